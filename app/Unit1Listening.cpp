// The window for a child who listens: each answer cell is named by its
// problem for screen readers, the status panels by the drill they time, both
// in the chosen language and marked as that language for the reader's voice,
// and the read-aloud mode says each problem as the child reaches it.
#include "app/Unit1.h"

#include "drill/ProblemWording.h"
#include "platform/desktop/LanguageSwitch.h"
#include "readaloud/ReadAloud.h"
#include "widgets/TStatusBar.h"
#include "widgets/TStringGrid.h"

#include <QAction>
#include <QLocale>

namespace {
// The drills as a listener hears them, in the order of DrillKind.
const char* const kDrillNames[] = {
    QT_TRANSLATE_NOOP("TForm1", "たしざん"), QT_TRANSLATE_NOOP("TForm1", "ひきざん"),
    QT_TRANSLATE_NOOP("TForm1", "かけざん"), QT_TRANSLATE_NOOP("TForm1", "九九")};
} // namespace

void TForm1::setUpListening() {
    readAloud_ = std::make_unique<ReadAloud>(services_.speech, services_.readAloudSettings);
    for (const DrillSheet& sheet : DrillSheets()) {
        TStringGrid* grid = GridOf(sheet);
        const DrillSheet* drill = &sheet;
        grid->OnCellName = [drill](const TStringGrid* sender, int col, int row) {
            return CellProblem(*sender, *drill, col, row);
        };
        grid->OnCellValue = [](const TStringGrid* sender, int col, int row) {
            return CellValueText(sender->Cells(col, row));
        };
        connect(grid, &TStringGrid::CurrentCellChanged, this, [this, grid, drill](int col, int row) {
            if (ActiveSheet() == drill)
                readAloud_->CellEntered(*grid, *drill, col, row);
        });
    }
    nameForListeners();

    ReadAloud1->setChecked(readAloud_->Enabled());
    wire(ReadAloud1, &QAction::triggered, &TForm1::ReadAloud1Click);
}

void TForm1::nameForListeners() {
    // A reader picks its voice by the language the names are marked with,
    // whatever the desktop's locale.
    const QLocale spoken(languages_ ? languages_->Current() : QStringLiteral("ja"));
    for (TStringGrid* grid : findChildren<TStringGrid*>())
        grid->setLocale(spoken);
    StatusBar1->setLocale(spoken);
    for (const SheetPlace& place : SheetPlaces()) {
        const QString name = tr(kDrillNames[int(place.kind)]);
        StatusBar1->SetPanelName(place.timePanel, tr("%1 今回のタイム").arg(name));
        StatusBar1->SetPanelName(place.bestPanel, tr("%1 ベストタイム").arg(name));
    }
    StatusBar1->SetPanelName(8, tr("日付と時刻"));
}

void TForm1::ReadAloud1Click() { readAloud_->SetEnabled(ReadAloud1->isChecked()); }
