#include "app/CommandLine.h"
#include "app/Program.h"

int main(int argc, char* argv[]) {
    if (const std::optional<int> exitCode = HandleCommandLine(argc, argv))
        return *exitCode;
    return RunVantel(argc, argv);
}
