// The small dialog of "ちがうプリントを N 枚": which drill and how many sheets.
#pragma once

#include "drill/DrillKind.h"

#include <QDialog>

class QComboBox;
class QDialogButtonBox;
class QSpinBox;

class NumberedSheetsDialog : public QDialog {
    Q_OBJECT
public:
    explicit NumberedSheetsDialog(DrillKind drill, QWidget* parent = nullptr);

    DrillKind Drill() const;
    int Count() const;

    QComboBox* DrillBox;
    QSpinBox* CountBox;
    QDialogButtonBox* Buttons;
};
