#include "print/NamePanelPrint.h"

#include "drill/GridCells.h"
#include "print/HiddenGridCopy.h"
#include "widgets/TStringGrid.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <algorithm>

namespace {
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(NamePanelPrint)
};

// Room left and right of the text, as the grid draws it.
constexpr int kNameCellPadding = 8;
constexpr qreal kSmallestNameScale = 0.5;

bool isNameLabel(QString text) {
    text = text.trimmed();
    if (text.endsWith(u':') || text.endsWith(u'：'))
        text.chop(1);
    text = text.trimmed();
    for (const char16_t* label : {u"名前", u"なまえ", u"おなまえ", u"氏名", u"名まえ"})
        if (text == QStringView(label))
            return true;
    // A teacher who works in another language writes its word in the panel.
    //: The word a teacher writes in a worksheet's name panel before the child's name ("Name"); the
    //: class print run puts each child's name in the cell after it.
    const QString translated = Texts::tr("なまえ");
    return translated != QLatin1String("なまえ") && text.compare(translated, Qt::CaseInsensitive) == 0;
}
} // namespace

QPoint ChildNameCell(const GridCells& panel) {
    if (panel.ColCount() <= 0 || panel.RowCount() <= 0)
        return {-1, -1};
    for (int row = 0; row < panel.RowCount(); ++row)
        for (int col = 0; col < panel.ColCount(); ++col) {
            if (!isNameLabel(panel.Cells(col, row)))
                continue;
            if (col + 1 < panel.ColCount())
                return {col + 1, row};
            if (row + 1 < panel.RowCount())
                return {col, row + 1};
        }
    return {0, 0};
}

GridNamePanelPrint::GridNamePanelPrint(TVoskSGridPrinter& printer) : printer_(printer) {}

GridNamePanelPrint::~GridNamePanelPrint() = default;

void GridNamePanelPrint::PrintNamePanelFor(const QString& child) {
    TStringGrid* panel = printer_.TargetGrid();
    if (!panel)
        return;
    if (copy_)
        CopyGridInto(*panel, *copy_);
    else
        copy_ = HiddenGridCopy(*panel);
    const QPoint cell = ChildNameCell(*copy_);
    if (cell.x() >= 0) {
        copy_->SetCells(cell.x(), cell.y(), child);
        // A name longer than its cell makes the panel's letters smaller on
        // paper rather than being cut; a wider cell would push the panel's
        // last cells off the page. Past half the size it is cut after all,
        // and the title still names the child.
        const int room = copy_->ColWidths(cell.x()) - kNameCellPadding;
        const int needed = QFontMetrics(copy_->font()).horizontalAdvance(child);
        if (needed > room && room > 0) {
            QFont smaller = copy_->font();
            const qreal scale = std::max(kSmallestNameScale, qreal(room) / needed);
            if (smaller.pixelSize() > 0)
                smaller.setPixelSize(std::max(1, int(smaller.pixelSize() * scale)));
            else
                smaller.setPointSizeF(smaller.pointSizeF() * scale);
            copy_->setFont(smaller);
        }
    }
    printer_.SetTargetGrid(copy_.get());
    printer_.Print(); // absorbs its own failures, so the panel is always put back
    printer_.SetTargetGrid(panel);
}
