// A second process for the history tests: it records attempts into a file
// and, in "crash" mode, says so and waits to be killed; in "once" mode it
// records one, says so and leaves at once, closing nothing.
#include "progress/AttemptRecording.h"
#include "progress/SqliteHistory.h"
#include "tests/support/FakeServices.h"
#include "tests/support/SampleAttempts.h"

#include <QCoreApplication>
#include <QTimeZone>
#include <cstdio>
#include <cstdlib>
#include <thread>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4)
        return 2;
    const QString path = args[1];
    const QString mode = args[2];
    const QString child = args[3];
    FakeMessageBoxes messages;
    SqliteHistory history(path, messages);
    const bool shows = mode == QLatin1String("crash") || mode == QLatin1String("once");
    const int count = shows ? 1 : mode.toInt();
    const QDateTime start(QDate(2026, 12, 1), QTime(9, 0), Qt::UTC);
    for (int i = 0; i < count; ++i) {
        // As the main window records: handed to the writer, then waited for
        // before the result would show.
        history.RecordInBackground(
            [=] { return SampleAttempt(child, DrillKind::Addition, start.addSecs(i * 60), 90000 + i); });
        if (!history.WaitRecorded(kRecordWaitMs)) {
            std::fprintf(stderr, "%s\n", qUtf8Printable(messages.errors.join(u'\n')));
            // The crash test needs the attempt on disk now. Two writers may
            // wait out the busy timeout on a loaded machine: the attempt is
            // then held and written with the next one or at close, and the
            // test counts what arrived.
            if (shows)
                return 3;
        }
    }
    if (shows) {
        // Where the program would show the result message.
        std::printf("shown\n");
        std::fflush(stdout);
        if (mode == QLatin1String("once"))
            std::_Exit(0); // as a power cut would: no close, no checkpoint
        for (;;)
            std::this_thread::sleep_for(std::chrono::seconds(1));
    }
    return 0;
}
