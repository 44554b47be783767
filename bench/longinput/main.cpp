// Times loading long name-panel files into the name panel (6 by 2, as the
// program has it) and painting it, against reading and decoding a 10 MB file
// measured in the same run, and prints the ratios of the medians and the
// peak memory. The machines are shared, so the ratios are what count; the
// milliseconds show the bound of 2 s is far away.
#include "core/Cp932.h"
#include "core/WholeFile.h"
#include "gridio/DelimitedText.h"
#include "gridio/StrGrdIO.h"
#include "tests/support/FakeSpreadsheet.h"
#include "tests/support/Measure.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {
QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

QByteArray repeated(const QByteArray& piece, qsizetype size) {
    QByteArray bytes;
    bytes.reserve(size + piece.size());
    while (bytes.size() < size)
        bytes += piece;
    return bytes;
}
} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int repetitions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    QTemporaryDir dir;
    const qsizetype tenMegabytes = 10 * 1024 * 1024;
    const QString dataFile = writeFile(
        dir, "data.txt", repeated("\x82\xe2\x82\xdc\x82\xbe\t3\t12\t\t\t2024/5/1\r\n", tenMegabytes));
    QStringList cells;
    for (int k = 0; k < 100000; ++k)
        cells << QString::number(k * 7);
    const QString wideFile = writeFile(dir, "wide.txt", DelimitedText::SaveTable({cells}, u'\t', false));
    const QString quotesFile = writeFile(dir, "quotes.csv", repeated("\"\"\"x,", tenMegabytes));

    const auto baseline = [&] { FromCp932(*ReadWholeFile(dataFile)).size(); };
    const auto namePanelLoad = [&](const QString& path, QChar delimiter, bool quoting) {
        return [=] {
            TStringGrid grid;
            grid.SetColCount(6);
            grid.SetRowCount(2);
            grid.resize(480, 60);
            FakeSpreadsheet spreadsheet;
            TStringGridIO io(spreadsheet);
            io.SetTargetGrid(&grid);
            io.LoadFromText(path, delimiter, quoting);
            grid.grab(); // the panel is shown: paint it with what was loaded
        };
    };
    const auto stretched = [&] {
        TStringGrid grid;
        FakeSpreadsheet spreadsheet;
        TStringGridIO io(spreadsheet);
        io.SetTargetGrid(&grid);
        io.SetStretch(true);
        io.LoadFromText(wideFile, u'\t', false);
    };

    baseline();
    const double base = MedianMs(repetitions, baseline);
    std::printf("read and decode 10 MB:               %9.1f ms (median of %d)\n", base, repetitions);
    const struct {
        const char* name;
        std::function<void()> run;
    } cases[] = {
        {"10 MB data.txt into the panel", namePanelLoad(dataFile, u'\t', false)},
        {"100,000-cell line into the panel", namePanelLoad(wideFile, u'\t', false)},
        {"10 MB of stray quotes, quoted CSV", namePanelLoad(quotesFile, u',', true)},
        {"100,000-cell line, stretched grid", stretched},
    };
    for (const auto& c : cases) {
        ResetPeak();
        const qint64 before = PeakMegabytes();
        const double ms = MedianMs(repetitions, c.run);
        std::printf("%-36s %9.1f ms  ratio %6.2f  peak +%lld MB\n", c.name, ms, ms / base,
                    static_cast<long long>(PeakMegabytes() - before));
    }
    return 0;
}
