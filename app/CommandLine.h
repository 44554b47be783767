// The program's command line. It is read before any window system is touched,
// so --help and --version answer on a machine without a display. Qt's own
// options (-platform, -style, -display, ...) are let through to the
// application object; anything else is refused with exit status 2.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

struct CommandLineAnswer {
    int exitCode = 0;
    QString out; // for standard output
    QString err; // for standard error
};

// What the arguments (program name first) ask for: nothing when the program is
// to start, else the text to print and the status to exit with. Needs a
// QCoreApplication, for the program's name in the usage line.
std::optional<CommandLineAnswer> ReadCommandLine(const QStringList& arguments);

// main()'s part: reads argv, prints the answer, and gives the exit status when
// the program is not to start. Without arguments it costs nothing.
std::optional<int> HandleCommandLine(int& argc, char* argv[]);
