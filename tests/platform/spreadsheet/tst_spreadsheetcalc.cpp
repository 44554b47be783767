// The transfer to LibreOffice Calc: the workbook it writes, read back by the
// real Calc (converted to CSV without a window), and the files it keeps.
#include "core/VantelError.h"
#include "gridio/DelimitedText.h"
#include "gridio/StrGrdIO.h"
#include "platform/spreadsheet/SpreadsheetCalc.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <dlfcn.h>

namespace {
// Records the workbook Calc would have been started on.
struct LaunchLog {
    QStringList programs;
    QStringList files;
    CalcLauncher launcher() {
        return [this](const QString& program, const QString& file) {
            programs << program;
            files << file;
        };
    }
};

// The first sheet of a workbook as rows of texts, as Calc itself reads it.
QList<QStringList> readWithCalc(const QString& program, const QString& workbook, const QString& workFolder) {
    const QString profile = QDir(workFolder).filePath("profile");
    QProcess calc;
    calc.setProcessChannelMode(QProcess::MergedChannels);
    calc.start(program,
               {"--headless", "--norestore", "-env:UserInstallation=file://" + profile, "--convert-to",
                "csv:Text - txt - csv (StarCalc):44,34,76,1", "--outdir", workFolder, workbook});
    if (!calc.waitForFinished(240000)) {
        calc.kill();
        calc.waitForFinished();
        qWarning("Calc did not finish");
        return {};
    }
    const QString csv = QDir(workFolder).filePath(QFileInfo(workbook).completeBaseName() + ".csv");
    QFile file(csv);
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning() << "no CSV from Calc:" << calc.readAll();
        return {};
    }
    QList<QStringList> rows;
    for (const QString& record : DelimitedText::SplitRecords(QString::fromUtf8(file.readAll()), u',', true))
        rows << DelimitedText::SplitRecord(record, u',',
                                           DelimitedText::DelimiterCount(record, u',', true) + 1, true);
    return rows;
}
} // namespace

class TestSpreadsheetCalc : public QObject {
    Q_OBJECT
private slots:
    // The workbook writer costs start-up time, so it comes with the first transfer.
    void writerLibraryComesWithTheFirstTransfer() {
        const auto loaded = [] {
            void* handle = dlopen("libxlsxwriter.so.4", RTLD_LAZY | RTLD_NOLOAD);
            if (handle)
                dlclose(handle);
            return handle != nullptr;
        };
        QVERIFY(!loaded());
        QTemporaryDir work;
        LaunchLog launches;
        CalcSpreadsheet calc(launches.launcher(), "/bin/true", work.filePath("transfer"));
        TStringGrid grid;
        TStringGridIO io(calc);
        io.SetTargetGrid(&grid);
        io.TransferToExcel();
        QCOMPARE(launches.files.size(), 1);
        QVERIFY(loaded());
    }

    void realCalcReceivesTheCells() {
        const QString program = FindCalcProgram();
        if (program.isEmpty())
            QSKIP("LibreOffice Calc is not installed");
        QTemporaryDir work;
        LaunchLog launches;
        CalcSpreadsheet calc(launches.launcher(), QString(), work.filePath("transfer"));
        TStringGrid grid;
        grid.SetColCount(6);
        grid.SetRowCount(2);
        grid.SetCells(0, 0, "たしざん 一組");
        grid.SetCells(1, 0, "0012");
        grid.SetCells(2, 0, "=1+1");
        grid.SetCells(3, 0, "a,\"b\"");
        grid.SetCells(5, 1, "やまだ　はなこ");
        TStringGridIO io(calc);
        io.SetTargetGrid(&grid);
        io.TransferToExcel();

        QCOMPARE(launches.files.size(), 1);
        QCOMPARE(launches.programs, QStringList{program});
        QVERIFY(launches.files[0].endsWith(".xlsx"));
        QVERIFY(QFile::exists(launches.files[0])); // kept for Calc to read later

        const QList<QStringList> rows = readWithCalc(program, launches.files[0], work.path());
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[0].size(), 6);
        QCOMPARE(rows[0][0], QString("たしざん 一組"));  // grid (0, 0): row 1, column 1
        QCOMPARE(rows[1][5], QString("やまだ　はなこ")); // grid (5, 1): row 2, column 6
        // Sent as text: no number, no formula.
        QCOMPARE(rows[0][1], QString("0012"));
        QCOMPARE(rows[0][2], QString("=1+1"));
        QCOMPARE(rows[0][3], QString("a,\"b\""));
        QCOMPARE(rows[1][0], QString());
    }

    void notInstalled() {
        QTemporaryDir emptyPath;
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(emptyPath.path()));
        CalcSpreadsheet calc;
        QString message;
        try {
            calc.Application();
        } catch (const VantelError& error) {
            message = error.Message();
        }
        qputenv("PATH", path);
        QCOMPARE(message, QString("表計算ソフト (LibreOffice Calc) がインストールされていません"));
    }

    void oldWorkbooksAreRemoved() {
        QTemporaryDir work;
        const QString folder = work.filePath("transfer");
        QVERIFY(QDir().mkpath(folder));
        const auto makeFile = [&](const QString& name, int ageSeconds) {
            QFile file(QDir(folder).filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-ageSeconds),
                                     QFileDevice::FileModificationTime));
        };
        makeFile("transfer-old.xlsx", 2 * 3600);
        makeFile("transfer-new.xlsx", 60);
        makeFile("other.xlsx", 2 * 3600);

        LaunchLog launches;
        CalcSpreadsheet calc(launches.launcher(), "/bin/true", folder);
        TStringGrid grid;
        TStringGridIO io(calc);
        io.SetTargetGrid(&grid);
        io.TransferToExcel();
        QCOMPARE(launches.files.size(), 1);
        QStringList expected{"other.xlsx", "transfer-new.xlsx", QFileInfo(launches.files[0]).fileName()};
        expected.sort();
        QCOMPARE(QDir(folder).entryList(QDir::Files, QDir::Name), expected);
        QCOMPARE(QFileInfo(folder).permissions() & (QFile::ReadOther | QFile::WriteOther | QFile::ReadGroup),
                 QFileDevice::Permissions());
    }

    // Calc shows nothing until the transfer ends; a failed cell still leaves the cells sent before it.
    void cellsBeforeAFailureAreShown() {
        QTemporaryDir work;
        LaunchLog launches;
        CalcSpreadsheet calc(launches.launcher(), "/bin/true", work.path());
        {
            const auto application = calc.Application();
            application->SetVisible(true);
            application->SetScreenUpdating(false);
            SpreadsheetWorkbook& workbook = application->AddWorkbook();
            workbook.WorkSheets(1).Activate();
            workbook.ActiveSheet().Cells(1, 1).SetValue("a");
            QVERIFY_THROWS_EXCEPTION(VantelError, workbook.ActiveSheet().Cells(0, 1));
            QVERIFY(launches.files.isEmpty());
            application->SetScreenUpdating(true);
            QCOMPARE(launches.files.size(), 1);
        }
        QCOMPARE(launches.files.size(), 1); // released without opening it twice
    }
};

QTEST_MAIN(TestSpreadsheetCalc)
#include "tst_spreadsheetcalc.moc"
