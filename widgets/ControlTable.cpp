#include "widgets/ControlTable.h"

#include "widgets/ClickLabel.h"
#include "widgets/Fonts.h"
#include "widgets/PictureBox.h"
#include "widgets/TButton.h"
#include "widgets/TEdit.h"
#include "widgets/TPageControl.h"
#include "widgets/TStatusBar.h"
#include "widgets/TStringGrid.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>

namespace {
QWidget* make(const ControlRow& row, QWidget* parent) {
    const QString caption = QString::fromUtf8(row.caption);
    switch (row.kind) {
    case ControlKind::Panel:
        return new QWidget(parent);
    case ControlKind::Button:
        return new TButton(caption, parent);
    case ControlKind::PushButton:
        return new QPushButton(caption, parent);
    case ControlKind::GroupBox:
        return new QGroupBox(caption, parent);
    case ControlKind::Label:
        return new QLabel(caption, parent);
    case ControlKind::Link: {
        auto* link = new ClickLabel(caption, parent);
        link->setCursor(Qt::PointingHandCursor);
        return link;
    }
    case ControlKind::CheckBox:
        return new QCheckBox(caption, parent);
    case ControlKind::Edit:
        return new TEdit(caption, parent);
    case ControlKind::Grid:
        return new TStringGrid(parent);
    case ControlKind::PageControl:
        return new TPageControl(row.tabHeight, parent);
    case ControlKind::Page: {
        auto* tabs = qobject_cast<QTabWidget*>(parent);
        Q_ASSERT_X(tabs, row.name, "a page's parent is a page control");
        auto* page = new TTabSheet;
        tabs->addTab(page, caption);
        return page;
    }
    case ControlKind::StatusBar:
        return new TStatusBar(parent);
    case ControlKind::Frame: {
        auto* frame = new QFrame(parent);
        frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
        return frame;
    }
    case ControlKind::Image:
        return new QLabel(parent);
    case ControlKind::Picture:
        return new PictureBox(parent);
    }
    return nullptr;
}

// Kinds that show no text of their own keep the font they inherit.
bool hasFont(ControlKind kind) {
    switch (kind) {
    case ControlKind::Panel:
    case ControlKind::Page:
    case ControlKind::Frame:
    case ControlKind::Image:
    case ControlKind::Picture:
        return false;
    default:
        return true;
    }
}

void place(QWidget* control, const ControlRow& row) {
    // Labels and check boxes never cut their caption: a face of other
    // metrics may need a few pixels more than the layout gives.
    const bool caption =
        row.kind == ControlKind::Label || row.kind == ControlKind::Link || row.kind == ControlKind::CheckBox;
    QSize size(row.width, row.height);
    if (caption || !row.width || !row.height) {
        const QSize fitted = control->sizeHint();
        if (!row.width || (caption && fitted.width() > row.width))
            size.setWidth(fitted.width());
        if (!row.height)
            size.setHeight(fitted.height());
    }
    control->setGeometry(QRect(QPoint(row.left, row.top), size));
}
} // namespace

MadeControls BuildControls(QWidget* root, std::span<const ControlRow> rows, const ControlFinish& finish) {
    MadeControls made;
    for (const ControlRow& row : rows) {
        QWidget* parent = root;
        if (*row.parent) {
            parent = qobject_cast<QWidget*>(made.value(QString::fromUtf8(row.parent)));
            Q_ASSERT_X(parent, row.name, "the parent is a control named earlier");
        }
        QWidget* control = make(row, parent);
        const QString name = QString::fromUtf8(row.name);
        Q_ASSERT_X(!made.contains(name), row.name, "each name once in a window");
        control->setObjectName(name);
        made.insert(name, control);
        if (hasFont(row.kind))
            control->setFont(LayoutFont(row.face == FontFace::Mincho ? kMinchoFace : kGothicFace, row.fontPx,
                                        row.bold, row.kind == ControlKind::Link));
        if (row.glyph) {
            const QIcon glyph = row.glyph();
            if (auto* button = qobject_cast<QAbstractButton*>(control)) {
                button->setIcon(glyph);
                if (row.glyphPx)
                    button->setIconSize(QSize(row.glyphPx, row.glyphPx));
            } else if (auto* image = qobject_cast<QLabel*>(control)) {
                image->setPixmap(glyph.pixmap(QSize(row.width, row.height)));
            }
        }
        // A page's place is its page control's to give.
        if (row.kind != ControlKind::Page)
            place(control, row);
        if (*row.hint)
            control->setToolTip(QString::fromUtf8(row.hint));
        // A glyph-only button is heard by its hint, as it is seen by its glyph.
        if (*row.accessibleName)
            control->setAccessibleName(QString::fromUtf8(row.accessibleName));
        else if (!*row.caption && *row.hint)
            control->setAccessibleName(QString::fromUtf8(row.hint));
        if (!row.enabled)
            control->setEnabled(false);
        if (finish)
            finish(control, row);
    }
    return made;
}

void RetranslateControls(QWidget* root, std::span<const ControlRow> rows, const char* context,
                         const ControlFinish& finish) {
    const auto text = [context](const char* source) { return QCoreApplication::translate(context, source); };
    for (const ControlRow& row : rows) {
        auto* control = root->findChild<QWidget*>(QString::fromUtf8(row.name));
        if (!control)
            continue;
        // An edit's caption is its first content, the user's from then on.
        if (*row.caption && row.kind != ControlKind::Edit) {
            const QString caption = text(row.caption);
            if (auto* button = qobject_cast<QAbstractButton*>(control))
                button->setText(caption);
            else if (auto* box = qobject_cast<QGroupBox*>(control))
                box->setTitle(caption);
            else if (auto* label = qobject_cast<QLabel*>(control); label && row.kind != ControlKind::Image)
                label->setText(caption);
            else if (row.kind == ControlKind::Page)
                if (auto* tabs = root->findChild<QTabWidget*>(QString::fromUtf8(row.parent)))
                    tabs->setTabText(tabs->indexOf(control), caption);
            if (row.kind != ControlKind::Page)
                place(control, row);
            if (finish)
                finish(control, row);
        }
        if (*row.hint)
            control->setToolTip(text(row.hint));
        if (*row.accessibleName)
            control->setAccessibleName(text(row.accessibleName));
        else if (!*row.caption && *row.hint)
            control->setAccessibleName(text(row.hint));
    }
}
