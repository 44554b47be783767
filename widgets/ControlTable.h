// Windows described as data: one row per control, with the control's name,
// kind, parent, place, caption and font. BuildControls makes the widgets and
// gives each its name, so code and tests find them with findChild.
#pragma once

#include <QString>
#include <span>

class QWidget;

enum class ControlKind { Panel, Button, GroupBox, Label, CheckBox, Edit, Grid };

struct ControlRow {
    const char* name;
    ControlKind kind;
    const char* parent; // a control named earlier, or a page "TabSheetN"
    int left, top, width, height;
    const char* caption = "";
    int fontPx = 12;
    bool bold = false;
    const char* hint = "";
};

// Makes the controls of the table under root; parents are looked up by name.
void BuildControls(QWidget* root, std::span<const ControlRow> rows);
