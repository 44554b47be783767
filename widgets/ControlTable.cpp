#include "widgets/ControlTable.h"

#include "widgets/Fonts.h"
#include "widgets/TButton.h"
#include "widgets/TEdit.h"
#include "widgets/TStringGrid.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>

namespace {
QWidget* make(ControlKind kind, QWidget* parent, const QString& caption) {
    switch (kind) {
    case ControlKind::Panel:
        return new QWidget(parent);
    case ControlKind::Button:
        return new TButton(caption, parent);
    case ControlKind::GroupBox:
        return new QGroupBox(caption, parent);
    case ControlKind::Label:
        return new QLabel(caption, parent);
    case ControlKind::CheckBox:
        return new QCheckBox(caption, parent);
    case ControlKind::Edit:
        return new TEdit(caption, parent);
    case ControlKind::Grid:
        return new TStringGrid(parent);
    }
    return nullptr;
}
} // namespace

void BuildControls(QWidget* root, std::span<const ControlRow> rows) {
    for (const ControlRow& row : rows) {
        QWidget* parent = *row.parent ? root->findChild<QWidget*>(QString::fromUtf8(row.parent)) : root;
        Q_ASSERT(parent);
        QWidget* control = make(row.kind, parent, QString::fromUtf8(row.caption));
        control->setObjectName(QString::fromUtf8(row.name));
        if (row.kind != ControlKind::Panel)
            control->setFont(LayoutFont(kGothicFace, row.fontPx, row.bold));
        // Labels and check boxes never cut their caption: a face of other
        // metrics may need a few pixels more than the layout gives.
        const bool caption = row.kind == ControlKind::Label || row.kind == ControlKind::CheckBox;
        QSize size(row.width, row.height);
        if (caption || !row.width || !row.height) {
            const QSize fitted = control->sizeHint();
            if (!row.width || (caption && fitted.width() > row.width))
                size.setWidth(fitted.width());
            if (!row.height)
                size.setHeight(fitted.height());
        }
        control->setGeometry(QRect(QPoint(row.left, row.top), size));
        if (*row.hint)
            control->setToolTip(QString::fromUtf8(row.hint));
    }
}
