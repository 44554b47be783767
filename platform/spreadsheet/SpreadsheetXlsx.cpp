#include "platform/spreadsheet/SpreadsheetXlsx.h"

#include "core/VantelError.h"

#include <QCoreApplication>
#include <QFile>
#include <dlfcn.h>
#include <mutex>
#include <type_traits>
#include <xlsxwriter.h>

namespace {
// libxlsxwriter is loaded on the first transfer rather than at program start,
// where it and the zip and crypto libraries it brings cost start-up time.
struct XlsxLibrary {
    decltype(&::workbook_new) workbook_new = nullptr;
    decltype(&::workbook_add_worksheet) workbook_add_worksheet = nullptr;
    decltype(&::worksheet_write_string) worksheet_write_string = nullptr;
    decltype(&::workbook_close) workbook_close = nullptr;
    decltype(&::lxw_strerror) lxw_strerror = nullptr;
};

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(SpreadsheetXlsx)
};

// Raises VantelError when the library cannot be loaded; the next call tries again.
const XlsxLibrary& Xlsx() {
    static XlsxLibrary library;
    static bool loaded = false;
    static std::mutex guard;
    const std::lock_guard lock(guard);
    if (loaded)
        return library;
    const auto failed = [] {
        const char* text = dlerror();
        //: %1 is the system's own reason, in English.
        return VantelError(Texts::tr("Couldn't load libxlsxwriter: %1")
                               .arg(QString::fromLocal8Bit(text ? text : "unknown error")));
    };
    void* handle = dlopen("libxlsxwriter.so.4", RTLD_NOW | RTLD_LOCAL);
    if (!handle)
        throw failed();
    XlsxLibrary found;
    const auto resolve = [&](auto& function, const char* name) {
        function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(dlsym(handle, name));
        if (!function)
            throw failed();
    };
    resolve(found.workbook_new, "workbook_new");
    resolve(found.workbook_add_worksheet, "workbook_add_worksheet");
    resolve(found.worksheet_write_string, "worksheet_write_string");
    resolve(found.workbook_close, "workbook_close");
    resolve(found.lxw_strerror, "lxw_strerror");
    library = found;
    loaded = true;
    return library;
}
} // namespace

void WriteXlsxWorkbook(const QString& path, const QList<SpreadsheetTexts>& sheets) {
    const QString cannotCreate = Texts::tr("ファイル %1 を作成できません").arg(path);
    const QByteArray fileName = QFile::encodeName(path);
    const XlsxLibrary& xlsx = Xlsx();
    lxw_workbook* workbook = xlsx.workbook_new(fileName.constData());
    if (!workbook)
        throw VantelError(cannotCreate);
    lxw_error error = LXW_NO_ERROR;
    for (qsizetype i = 0; i < sheets.size() && error == LXW_NO_ERROR; ++i) {
        const QByteArray name = QStringLiteral("Sheet%1").arg(i + 1).toUtf8();
        lxw_worksheet* sheet = xlsx.workbook_add_worksheet(workbook, name.constData());
        if (!sheet) {
            error = LXW_ERROR_MEMORY_MALLOC_FAILED;
            break;
        }
        for (const auto& [place, text] : sheets[i]) {
            const QByteArray utf8 = text.toUtf8();
            error = xlsx.worksheet_write_string(sheet, lxw_row_t(place.first - 1),
                                                lxw_col_t(place.second - 1), utf8.constData(), nullptr);
            if (error != LXW_NO_ERROR)
                break;
        }
    }
    // Closing writes the file; it also frees the workbook when an error came first.
    const lxw_error closeError = xlsx.workbook_close(workbook);
    if (error == LXW_NO_ERROR)
        error = closeError;
    if (error != LXW_NO_ERROR) {
        QFile::remove(path);
        //: %2 is the library's own reason, in English.
        throw VantelError(Texts::tr("ファイル %1 を作成できません (%2)")
                              .arg(path, QString::fromUtf8(xlsx.lxw_strerror(error))));
    }
}
