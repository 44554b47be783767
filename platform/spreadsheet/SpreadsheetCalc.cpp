#include "platform/spreadsheet/SpreadsheetCalc.h"
#include "core/Logging.h"

#include "core/VantelError.h"
#include "platform/spreadsheet/SpreadsheetXlsx.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <unistd.h>
#include <vector>

namespace {
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(SpreadsheetCalc)
};

constexpr qint64 kKeepSeconds = 60 * 60;

class CalcWorkbook;

class CalcWorksheet : public SpreadsheetWorksheet, private SpreadsheetCell {
public:
    CalcWorksheet(CalcWorkbook& workbook, int index) : workbook_(workbook), index_(index) {}
    void Activate() override;
    SpreadsheetCell& Cells(int row, int col) override {
        if (row < 1 || col < 1 || row > kSpreadsheetMaxRows || col > kSpreadsheetMaxCols)
            throw VantelError(
                Texts::tr("セル (%1, %2) は表計算ソフト (LibreOffice Calc)のワークシートの外です")
                    .arg(row)
                    .arg(col));
        row_ = row;
        col_ = col;
        return *this;
    }
    const SpreadsheetTexts& Texts() const { return texts_; }

private:
    void SetValue(const QString& text) override;

    CalcWorkbook& workbook_;
    int index_;
    int row_ = 1;
    int col_ = 1;
    SpreadsheetTexts texts_;
};

class CalcWorkbook : public SpreadsheetWorkbook {
public:
    CalcWorkbook() { sheets_.push_back(std::make_unique<CalcWorksheet>(*this, 1)); }
    SpreadsheetWorksheet& WorkSheets(int index) override {
        if (index < 1 || index > int(sheets_.size()))
            throw VantelError(Texts::tr("ワークシート %1 はありません").arg(index));
        return *sheets_[size_t(index - 1)];
    }
    SpreadsheetWorksheet& ActiveSheet() override { return *sheets_[size_t(active_ - 1)]; }

    void SetActive(int index) { active_ = index; }
    void Touch() { changed_ = true; }
    bool Changed() const { return changed_; }
    void Shown() { changed_ = false; }
    QList<SpreadsheetTexts> Sheets() const {
        QList<SpreadsheetTexts> sheets;
        for (const auto& sheet : sheets_)
            sheets.append(sheet->Texts());
        return sheets;
    }

private:
    std::vector<std::unique_ptr<CalcWorksheet>> sheets_;
    int active_ = 1;
    bool changed_ = true;
};

void CalcWorksheet::Activate() { workbook_.SetActive(index_); }

void CalcWorksheet::SetValue(const QString& text) {
    if (text.toUcs4().size() > kSpreadsheetMaxTextLength)
        throw VantelError(Texts::tr("セル (%1, %2) の文字列が長すぎます (%3 文字まで)")
                              .arg(row_)
                              .arg(col_)
                              .arg(kSpreadsheetMaxTextLength));
    if (text.isEmpty())
        texts_.erase({row_, col_});
    else
        texts_[{row_, col_}] = text;
    workbook_.Touch();
}

void removeOldWorkbooks(const QDir& folder) {
    const QDateTime limit = QDateTime::currentDateTime().addSecs(-kKeepSeconds);
    const QFileInfoList files = folder.entryInfoList({QStringLiteral("transfer-*.xlsx")}, QDir::Files);
    for (const QFileInfo& file : files)
        if (file.lastModified() < limit)
            QFile::remove(file.absoluteFilePath());
}

// A new, empty file in the transfer folder, kept after this returns.
QString newWorkbookPath(const QString& folderPath) {
    QDir folder(folderPath);
    // The folder must be ours alone: Calc is handed whatever file stands in it.
    if (!folder.mkpath(QStringLiteral(".")) || QFileInfo(folderPath).ownerId() != uint(getuid()))
        throw VantelError(Texts::tr("フォルダ %1 を作成できません").arg(folderPath));
    QFile::setPermissions(folderPath, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    removeOldWorkbooks(folder);
    QTemporaryFile file(folder.filePath(QStringLiteral("transfer-XXXXXX.xlsx")));
    file.setAutoRemove(false);
    if (!file.open())
        throw VantelError(Texts::tr("ファイル %1 を作成できません").arg(file.fileTemplate()));
    return file.fileName();
}

class CalcApplication : public SpreadsheetApplication {
public:
    CalcApplication(CalcLauncher launcher, QString program, QString folder)
        : launcher_(std::move(launcher)), program_(std::move(program)), folder_(std::move(folder)) {}
    ~CalcApplication() override {
        // Whatever a caller left behind still reaches the user; there is no one to tell of a failure here.
        try {
            showChanged();
        } catch (...) {
            LogCurrentFailure(lcSpreadsheet(), "Showing the last cells in Calc");
        }
    }

    void SetVisible(bool visible) override {
        visible_ = visible;
        if (visible_ && screenUpdating_)
            showChanged();
    }
    void SetScreenUpdating(bool on) override {
        screenUpdating_ = on;
        if (visible_ && screenUpdating_)
            showChanged();
    }
    SpreadsheetWorkbook& AddWorkbook() override {
        workbooks_.push_back(std::make_unique<CalcWorkbook>());
        return *workbooks_.back();
    }

private:
    void showChanged() {
        if (!visible_)
            return;
        for (const auto& workbook : workbooks_) {
            if (!workbook->Changed())
                continue;
            workbook->Shown(); // once, even when it fails
            const QString path = newWorkbookPath(folder_);
            WriteXlsxWorkbook(path, workbook->Sheets());
            launcher_(program_, path);
        }
    }

    CalcLauncher launcher_;
    QString program_;
    QString folder_;
    bool visible_ = false;
    bool screenUpdating_ = true;
    std::vector<std::unique_ptr<CalcWorkbook>> workbooks_;
};
} // namespace

QString FindCalcProgram() {
    for (const QString& name : {QStringLiteral("soffice"), QStringLiteral("libreoffice")}) {
        const QString path = QStandardPaths::findExecutable(name);
        if (!path.isEmpty())
            return path;
    }
    return {};
}

void StartCalcDetached(const QString& program, const QString& workbookPath) {
    if (!QProcess::startDetached(program, {QStringLiteral("--calc"), QStringLiteral("-n"), workbookPath}))
        throw VantelError(Texts::tr("表計算ソフト (LibreOffice Calc) を起動できません"));
}

QString DefaultTransferFolder() {
    QString base = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (base.isEmpty())
        return QDir::tempPath() + QStringLiteral("/vantel-transfer-%1").arg(getuid());
    return base + QStringLiteral("/vantel-transfer");
}

CalcSpreadsheet::CalcSpreadsheet(CalcLauncher launcher, QString program, QString transferFolder)
    : launcher_(std::move(launcher)), program_(std::move(program)),
      transferFolder_(std::move(transferFolder)) {}

std::unique_ptr<SpreadsheetApplication> CalcSpreadsheet::Application() {
    const QString program = program_.isEmpty() ? FindCalcProgram() : program_;
    if (program.isEmpty())
        throw VantelError(Texts::tr("表計算ソフト (LibreOffice Calc) がインストールされていません"));
    return std::make_unique<CalcApplication>(
        launcher_, program, transferFolder_.isEmpty() ? DefaultTransferFolder() : transferFolder_);
}
