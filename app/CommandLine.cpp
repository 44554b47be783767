#include "app/CommandLine.h"

#include "core/Version.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>

namespace {
// Options that QGuiApplication and QApplication take out of argv themselves.
const char* const kQtValueOptions[] = {"platform",
                                       "platformpluginpath",
                                       "platformtheme",
                                       "plugin",
                                       "qwindowgeometry",
                                       "qwindowicon",
                                       "qwindowtitle",
                                       "display",
                                       "geometry",
                                       "style",
                                       "stylesheet",
                                       "session",
                                       "name",
                                       "title"};
const char* const kQtFlagOptions[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

void print(std::FILE* stream, const QString& text) {
    if (text.isEmpty())
        return;
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}
} // namespace

std::optional<CommandLineAnswer> ReadCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    // "-platform offscreen" is one option, as Qt reads it, not "-p -l -a ...".
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("百ます計算で暗算を練習します。\n"
                       "Drills mental arithmetic with the hundred-cell method."));
    // Qt's own help options would offer --help-all, whose Qt options are let
    // through here unlisted.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Shows this help and exits."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Shows the version and exits."));
    parser.addOption(help);
    parser.addOption(version);
    for (const char* name : kQtValueOptions) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : kQtFlagOptions) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    const QString program =
        arguments.isEmpty() ? QStringLiteral("vantel") : QFileInfo(arguments[0]).fileName();
    const auto refuse = [&program](const QString& why) {
        return CommandLineAnswer{
            2, QString(),
            QStringLiteral("%1: %2\nTry '%1 --help' for more information.\n").arg(program, why)};
    };
    if (!parser.parse(arguments))
        return refuse(parser.errorText());
    if (parser.isSet(help))
        return CommandLineAnswer{0, parser.helpText(), QString()};
    if (parser.isSet(version))
        return CommandLineAnswer{0, QStringLiteral("Vantel %1\n").arg(QStringLiteral(VANTEL_VERSION)),
                                 QString()};
    if (!parser.positionalArguments().isEmpty())
        return refuse(QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().first()));
    return std::nullopt;
}

std::optional<int> HandleCommandLine(int& argc, char* argv[]) {
    // The window manager and Wayland match the windows to vantel.desktop by this.
    QGuiApplication::setDesktopFileName(QStringLiteral("vantel"));
    if (argc <= 1)
        return std::nullopt;
    std::optional<CommandLineAnswer> answer;
    {
        // A core application parses without a display; it is gone before the
        // program makes its own.
        QCoreApplication core(argc, argv);
        answer = ReadCommandLine(QCoreApplication::arguments());
    }
    if (!answer)
        return std::nullopt;
    print(stdout, answer->out);
    print(stderr, answer->err);
    return answer->exitCode;
}
