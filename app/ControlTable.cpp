#include "app/ControlTable.h"

#include "platform/Fonts.h"
#include "platform/TButton.h"
#include "platform/TStringGrid.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

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
        return new QLineEdit(caption, parent);
    case ControlKind::Grid:
        return new TStringGrid(parent);
    }
    return nullptr;
}
} // namespace

void BuildControls(QWidget* root, std::span<const ControlRow> rows) {
    for (const ControlRow& row : rows) {
        auto* parent = root->findChild<QWidget*>(QString::fromUtf8(row.parent));
        if (!parent)
            parent = root;
        QWidget* control = make(row.kind, parent, QString::fromUtf8(row.caption));
        control->setObjectName(QString::fromUtf8(row.name));
        control->setGeometry(row.left, row.top, row.width, row.height);
        if (row.kind != ControlKind::Panel) {
            QFont font(kGothicFace);
            font.setPixelSize(row.fontPx);
            font.setBold(row.bold);
            control->setFont(font);
        }
        if (*row.hint)
            control->setToolTip(QString::fromUtf8(row.hint));
    }
}
