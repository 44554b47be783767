// The window for a child who listens: each answer cell is named by its
// problem for screen readers, the status panels by the drill they time, the
// texts of both are Japanese to a reader whatever the desktop's language, and
// the read-aloud mode says each problem as the child reaches it.
#include "app/Unit1.h"

#include "drill/ProblemWording.h"
#include "readaloud/ReadAloud.h"
#include "widgets/TStatusBar.h"
#include "widgets/TStringGrid.h"

#include <QAction>
#include <QLocale>

namespace {
// The drills as a listener hears them, in the order of DrillKind.
const char* const kDrillNames[] = {"たしざん", "ひきざん", "かけざん", "九九"};
} // namespace

void TForm1::setUpListening() {
    readAloud_ = std::make_unique<ReadAloud>(services_.speech, services_.readAloudSettings);
    const QLocale japanese(QLocale::Japanese, QLocale::Japan);
    for (TStringGrid* grid : findChildren<TStringGrid*>())
        grid->setLocale(japanese);
    StatusBar1->setLocale(japanese);
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
        const QString name = QString::fromUtf8(kDrillNames[int(sheet.kind)]);
        StatusBar1->SetPanelName(PlaceOf(sheet.kind).timePanel, name + QStringLiteral(" 今回のタイム"));
        StatusBar1->SetPanelName(PlaceOf(sheet.kind).bestPanel, name + QStringLiteral(" ベストタイム"));
    }
    StatusBar1->SetPanelName(8, QStringLiteral("日付と時刻"));

    ReadAloud1->setChecked(readAloud_->Enabled());
    wire(ReadAloud1, &QAction::triggered, &TForm1::ReadAloud1Click);
}

void TForm1::ReadAloud1Click() { readAloud_->SetEnabled(ReadAloud1->isChecked()); }
