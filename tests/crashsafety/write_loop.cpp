// Helper of the crash-safety tests: writes the settings file or a name-panel
// file the way the program does, over and over, until it is killed.
//
//   write_loop settings|namepanel PATH serve       write the old content, print how many
//                                                  microseconds one write takes, then for each
//                                                  line "go" on stdin start a writer process and
//                                                  print its pid; when it has been killed, print
//                                                  "killed"
//   write_loop settings|namepanel PATH GENERATION  write one content once
//   write_loop settings|namepanel PATH big BYTES   write once under a file-size limit of BYTES
//
// A writer is forked from this one, already set up, so a round costs no
// program start. A failed write prints the error's text.
#include "gridio/StrGrdIO.h"
#include "tests/support/FakeSpreadsheet.h"
#include "widgets/TStringGrid.h"
#include "core/VantelError.h"
#include "settings/SettingsFile.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <functional>
#include <optional>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
// Two settings that differ in every value, as a close would write them.
void writeSettings(const QString& path, int generation, const QString& userName) {
    SettingsFile ini(path);
    ini.BeginUpdate();
    const int g = generation;
    ini.WriteInteger("form1", "top", g ? 120 : -8);
    ini.WriteInteger("form1", "left", g ? 300 : 4);
    ini.WriteInteger("form1", "height", g ? 640 : 600);
    ini.WriteInteger("form1", "width", g ? 480 : 500);
    for (const char* key : {"addition", "subtraction", "multiplication", "kuku"})
        ini.WriteString("the highest score", key, g ? "01:23" : "59:59");
    for (const char* box : {"CheckBox1", "CheckBox2", "CheckBox3", "CheckBox5", "CheckBox6", "CheckBox7"})
        ini.WriteBool(box, "Checked", g);
    for (int slot = 1; slot <= 5; ++slot)
        ini.WriteString(QString("Sound%1").arg(slot), "FileName",
                        g ? QString("/home/ゆうき/おと/%1ばんめ.wav").arg(slot) : QString());
    ini.WriteString("Text", "UserName", userName.isNull() ? (g ? "すずき はなこ" : "やまだ") : userName);
    ini.Commit();
}

void writeNamePanel(const QString& path, int generation, const QString& bigCell) {
    TStringGrid grid;
    grid.SetColCount(6);
    grid.SetRowCount(2);
    for (int r = 0; r < 2; ++r)
        for (int k = 0; k < 6; ++k)
            grid.SetCells(k, r,
                          generation ? QString("ねん%1くみ%2").arg(r).arg(k) : QString::number(r * 6 + k));
    if (!bigCell.isNull())
        grid.SetCells(0, 0, bigCell);
    FakeSpreadsheet spreadsheet;
    TStringGridIO io(spreadsheet);
    io.SetTargetGrid(&grid);
    io.SaveToText(path, u'\t', false);
}
} // namespace

int main(int argc, char** argv) {
    if (argc < 4)
        return 2;
    const bool settings = std::strcmp(argv[1], "settings") == 0;
    // Only the grid needs a GUI application; the settings writer starts faster without one.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    std::optional<QApplication> app;
    if (!settings)
        app.emplace(argc, argv);
    const QString path = QString::fromLocal8Bit(argv[2]);
    const std::function<void(int, const QString&)> write = [&](int generation, const QString& big) {
        if (settings)
            writeSettings(path, generation, big);
        else
            writeNamePanel(path, generation, big);
    };
    try {
        if (std::strcmp(argv[3], "serve") == 0) {
            prctl(PR_SET_PDEATHSIG, SIGKILL);
            // Forking is only sound while this process has a single thread.
            if (QDir("/proc/self/task").entryList(QDir::Dirs | QDir::NoDotAndDotDot).size() != 1)
                return 4;
            // Warm up here, so every writer starts with fonts and converters ready, and
            // tell how long one write takes: the test kills within a few of them.
            write(0, QString());
            QElapsedTimer timer;
            timer.start();
            for (int generation = 1; generation <= 4; ++generation)
                write(generation % 2, QString());
            write(0, QString()); // leaves the old content in place
            std::printf("%lld\n", static_cast<long long>(timer.nsecsElapsed() / 4000));
            std::fflush(stdout);
            char line[16];
            while (std::fgets(line, sizeof line, stdin)) {
                const pid_t writer = fork();
                if (writer == 0) {
                    // Never outlive a test that died before killing us.
                    prctl(PR_SET_PDEATHSIG, SIGKILL);
                    alarm(20);
                    for (int generation = 1;; generation ^= 1)
                        write(generation, QString());
                }
                std::printf("%d\n", int(writer));
                std::fflush(stdout);
                int status = 0;
                if (writer < 0 || waitpid(writer, &status, 0) != writer)
                    return 5;
                std::puts(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL ? "killed" : "ended otherwise");
                std::fflush(stdout);
            }
            return 0;
        }
        if (std::strcmp(argv[3], "big") == 0 && argc > 4) {
            // The disk is "full" past this size; the write must fail cleanly, not kill us.
            std::signal(SIGXFSZ, SIG_IGN);
            const rlim_t limit = std::strtoul(argv[4], nullptr, 10);
            const rlimit fsize{limit, limit};
            if (setrlimit(RLIMIT_FSIZE, &fsize) != 0)
                return 3;
            write(1, QString(int(limit), u'x'));
            return 0;
        }
        write(std::atoi(argv[3]), QString());
    } catch (const VantelError& error) {
        std::puts(error.Message().toUtf8().constData());
        return 1;
    }
    return 0;
}
