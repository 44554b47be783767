// What every fuzz target shares: a failed property aborts, so libFuzzer
// keeps the input that broke it as a crash.
#pragma once

#include <QString>
#include <cstdio>
#include <cstdlib>

[[noreturn]] inline void FuzzFail(const char* what, const QString& detail = QString()) {
    std::fprintf(stderr, "property broken: %s\n%s\n", what, qPrintable(detail));
    std::abort();
}

#define FUZZ_CHECK(condition, detail)                                                                        \
    do {                                                                                                     \
        if (!(condition))                                                                                    \
            FuzzFail(#condition, detail);                                                                    \
    } while (false)
