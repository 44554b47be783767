// Windows described as data: one row per control with every fact of it
// (name, kind, parent, place, caption, font, hint, glyph, enabled state).
// BuildControls makes the controls and hands them back by name; BindControls
// gives them to the window's typed members. Nothing else looks a control up
// by name. No window sets a tab order of its own: the table's order is the
// order the controls are made in, and so their tab order.
#pragma once

#include <QHash>
#include <QIcon>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <initializer_list>
#include <span>

class QWidget;

enum class ControlKind {
    Panel,      // a plain container
    Button,     // TButton: Enter presses it too
    PushButton, // a plain push button, for dialogs with a default button
    GroupBox,
    Label,
    Link, // a label that reports clicks, underlined
    CheckBox,
    Edit,
    Grid,        // TStringGrid
    PageControl, // TPageControl; its pages are the Page rows naming it as parent
    Page,        // a tab page, captioned with the row's caption
    StatusBar,   // TStatusBar
    Frame,       // a sunken box
    Image,       // a label showing the row's glyph at the row's size
    Picture,     // a PictureBox
};

enum class FontFace { Gothic, Mincho };

// Draws a glyph; a plain function, so rows stay constant data.
using GlyphMaker = QIcon (*)();

struct ControlRow {
    const char* name;
    ControlKind kind;
    const char* parent; // a control named earlier in the table, or "" for the root
    int left, top, width, height;
    const char* caption = "";
    int fontPx = 12;
    bool bold = false;
    const char* hint = "";
    GlyphMaker glyph = nullptr;
    int glyphPx = 0; // 0 leaves the style's icon size
    bool enabled = true;
    FontFace face = FontFace::Gothic;
    int tabHeight = 0; // of a page control
    // What a screen reader calls the control, where its caption or hint does
    // not say it alone; never shown in the window.
    const char* accessibleName = "";

    // The rarer facts, added to a row after its common columns.
    constexpr ControlRow WithGlyph(GlyphMaker maker, int px = 0) const {
        ControlRow row = *this;
        row.glyph = maker;
        row.glyphPx = px;
        return row;
    }
    constexpr ControlRow Off() const {
        ControlRow row = *this;
        row.enabled = false;
        return row;
    }
    constexpr ControlRow Mincho() const {
        ControlRow row = *this;
        row.face = FontFace::Mincho;
        return row;
    }
    constexpr ControlRow Heard(const char* name) const {
        ControlRow row = *this;
        row.accessibleName = name;
        return row;
    }
    constexpr ControlRow TabHeight(int pixels) const {
        ControlRow row = *this;
        row.tabHeight = pixels;
        return row;
    }
};

// The made controls of one window (and its menu items) by name.
using MadeControls = QHash<QString, QObject*>;

// A window's own finish of each control, after the table's facts are set:
// what the window does the same way to all controls of a kind.
using ControlFinish = std::function<void(QWidget* control, const ControlRow& row)>;

// Makes the controls of the table under root, in table order.
MadeControls BuildControls(QWidget* root, std::span<const ControlRow> rows, const ControlFinish& finish = {});

// Sets the rows' captions, hints and heard names again through the
// catalogue of context, and fits the controls sized by their caption anew;
// rows whose texts are marked QT_TRANSLATE_NOOP(context, ...) follow the
// chosen language. Untranslated texts come back exactly as in the table.
// The finish runs again on each control whose caption was set.
void RetranslateControls(QWidget* root, std::span<const ControlRow> rows, const char* context,
                         const ControlFinish& finish = {});

// One typed member of a window and the name of the control it holds.
template <typename Owner> struct ControlBinding {
    template <typename T>
    ControlBinding(const char* controlName, T* Owner::*member)
        : name(controlName), bind([member](Owner& owner, QObject* made) {
              T* typed = qobject_cast<T*>(made);
              owner.*member = typed;
              return typed != nullptr;
          }) {}

    const char* name;
    // Sets the member; false when the control is of another kind.
    std::function<bool(Owner&, QObject*)> bind;
};

// What is wrong with a binding table: names not made, and controls of
// another kind than their member. Empty when every member got its control.
template <typename Owner>
QStringList BindingFaults(Owner& owner, const MadeControls& made,
                          std::initializer_list<ControlBinding<Owner>> bindings) {
    QStringList faults;
    for (const ControlBinding<Owner>& binding : bindings) {
        const QString name = QString::fromUtf8(binding.name);
        QObject* control = made.value(name);
        if (!control)
            faults << QStringLiteral("no control named %1").arg(name);
        else if (!binding.bind(owner, control))
            faults << QStringLiteral("%1 is a %2, not the kind of its member")
                          .arg(name, QString::fromLatin1(control->metaObject()->className()));
    }
    return faults;
}

// The one place a window's members get their controls. A missing or
// mistyped control is a fault in the program, so it stops it at once.
template <typename Owner>
void BindControls(Owner& owner, const MadeControls& made,
                  std::initializer_list<ControlBinding<Owner>> bindings) {
    const QStringList faults = BindingFaults(owner, made, bindings);
    if (!faults.isEmpty())
        qFatal("Binding the controls of %s: %s", owner.metaObject()->className(),
               qPrintable(faults.join(QStringLiteral("; "))));
}
