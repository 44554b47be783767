// The name panel printed above every worksheet: save, load, transfer to the
// spreadsheet, clear.
#include "app/Unit1.h"

#include "gridio/StrGrdIO.h"
#include "platform/desktop/FileDialogs.h"

namespace {
// The file types by their position in the dialogs, counted from 1.
const char* const kSaveFilter =
    QT_TRANSLATE_NOOP("TForm1", "テキストファイル|*.txt|カンマ区切りテキスト|*.csv|"
                                "引用符付きカンマ区切りテキスト|*.csv|HTML|*.html");
const char* const kOpenFilter =
    QT_TRANSLATE_NOOP("TForm1", "テキストファイル|*.txt|カンマ区切りテキスト|*.csv|"
                                "引用符付きカンマ区切りテキスト|*.csv");

struct TextFormat {
    QChar delimiter;
    bool quoting;
};
constexpr TextFormat kTextFormats[] = {{u'\t', false}, {u',', false}, {u',', true}};
} // namespace

void TForm1::BitBtn20Click() {
    const auto choice = services_.dialogs.SaveFile({tr(kSaveFilter), QString(), QString()});
    if (!choice)
        return;
    if (choice->filterIndex >= 1 && choice->filterIndex <= 3) {
        const TextFormat& format = kTextFormats[choice->filterIndex - 1];
        StringGridIO1->SaveToText(choice->path, format.delimiter, format.quoting);
    } else if (choice->filterIndex == 4) {
        StringGridIO1->SaveToHTML(choice->path);
    }
}

void TForm1::BitBtn21Click() {
    const auto choice = services_.dialogs.OpenFile({tr(kOpenFilter), QString(), QString()});
    if (!choice || choice->filterIndex < 1 || choice->filterIndex > 3)
        return;
    const TextFormat& format = kTextFormats[choice->filterIndex - 1];
    StringGridIO1->LoadFromText(choice->path, format.delimiter, format.quoting);
}

void TForm1::BitBtn22Click() { StringGridIO1->TransferToExcel(); }

void TForm1::BitBtn23Click() { StringGridIO1->ClearCells(); }
