#include "platform/spreadsheet/SpreadsheetXlsx.h"

#include "core/VantelError.h"

#include <QFile>
#include <xlsxwriter.h>

void WriteXlsxWorkbook(const QString& path, const QList<SpreadsheetTexts>& sheets) {
    const QString cannotCreate = QStringLiteral("ファイル %1 を作成できません").arg(path);
    const QByteArray fileName = QFile::encodeName(path);
    lxw_workbook* workbook = workbook_new(fileName.constData());
    if (!workbook)
        throw VantelError(cannotCreate);
    lxw_error error = LXW_NO_ERROR;
    for (qsizetype i = 0; i < sheets.size() && error == LXW_NO_ERROR; ++i) {
        const QByteArray name = QStringLiteral("Sheet%1").arg(i + 1).toUtf8();
        lxw_worksheet* sheet = workbook_add_worksheet(workbook, name.constData());
        if (!sheet) {
            error = LXW_ERROR_MEMORY_MALLOC_FAILED;
            break;
        }
        for (const auto& [place, text] : sheets[i]) {
            const QByteArray utf8 = text.toUtf8();
            error = worksheet_write_string(sheet, lxw_row_t(place.first - 1), lxw_col_t(place.second - 1),
                                           utf8.constData(), nullptr);
            if (error != LXW_NO_ERROR)
                break;
        }
    }
    // Closing writes the file; it also frees the workbook when an error came first.
    const lxw_error closeError = workbook_close(workbook);
    if (error == LXW_NO_ERROR)
        error = closeError;
    if (error != LXW_NO_ERROR) {
        QFile::remove(path);
        throw VantelError(cannotCreate + QStringLiteral(" (") + QString::fromUtf8(lxw_strerror(error)) +
                          QStringLiteral(")"));
    }
}
