// A second process for the fault tests: the program's sending thread on an
// outbox, until it is empty (exit 0) or killed.
#include "classroom/ClassSender.h"
#include "classroom/PgConnection.h"

#include <QCoreApplication>
#include <cstdio>

using namespace std::chrono_literals;

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3)
        return 2;
    const QString service = args[2];
    ClassSender sender(
        args[1],
        [service] {
            return std::make_unique<PgClassConnection>(service, PgTimeouts{2, 10000});
        },
        SenderTiming{100ms, 1s, 1s});
    sender.Start();
    std::printf("sending\n");
    std::fflush(stdout);
    const bool sent = sender.WaitUntilSent(180s);
    sender.Shutdown();
    return sent ? 0 : 1;
}
