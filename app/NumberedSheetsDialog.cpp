#include "app/NumberedSheetsDialog.h"

#include "drill/DrillSheet.h"
#include "print/NumberedSheets.h"
#include "progress/Attempt.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {
constexpr int kDefaultCount = 5;
}

NumberedSheetsDialog::NumberedSheetsDialog(DrillKind drill, QWidget* parent)
    : QDialog(parent), DrillBox(new QComboBox(this)), CountBox(new QSpinBox(this)),
      Buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this)) {
    setObjectName(QStringLiteral("NumberedSheetsDialog"));
    setWindowTitle(tr("ちがうプリントを N 枚"));
    setMinimumWidth(340);
    DrillBox->setObjectName(QStringLiteral("DrillBox"));
    for (const DrillSheet& sheet : DrillSheets())
        DrillBox->addItem(DrillLabel(sheet.kind), int(sheet.kind));
    DrillBox->setCurrentIndex(DrillBox->findData(int(drill)));
    CountBox->setObjectName(QStringLiteral("CountBox"));
    CountBox->setRange(1, kMaxNumberedSheets);
    CountBox->setValue(kDefaultCount);
    CountBox->setSuffix(tr(" 枚"));
    Buttons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    Buttons->button(QDialogButtonBox::Cancel)->setText(tr("キャンセル"));
    connect(Buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(Buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* form = new QFormLayout;
    form->addRow(tr("ドリル(&D)"), DrillBox);
    form->addRow(tr("枚数(&N)"), CountBox);
    auto* note = new QLabel(tr("番号つきのプリントと、同じ番号の答えを印刷します。"), this);
    note->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(note);
    layout->addWidget(Buttons);
}

DrillKind NumberedSheetsDialog::Drill() const { return DrillKind(DrillBox->currentData().toInt()); }

int NumberedSheetsDialog::Count() const { return CountBox->value(); }
