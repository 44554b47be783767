#include "platform/print/PrinterSetupDialog.h"

#include "platform/print/PrinterQt.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
// Offered for a PDF file, and for a printer that does not list its own.
QList<QPageSize> standardPapers() {
    return {QPageSize(QPageSize::A4),   QPageSize(QPageSize::B5), QPageSize(QPageSize::A3),
            QPageSize(QPageSize::B4),   QPageSize(QPageSize::A5), QPageSize(QPageSize::Letter),
            QPageSize(QPageSize::Legal)};
}
} // namespace

PrinterSetupDialog::PrinterSetupDialog(const PrinterChoice& choice, const QStringList& printerNames,
                                       QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("プリンターの設定"));

    PrinterBox = new QComboBox(this);
    for (const QString& name : printerNames)
        PrinterBox->addItem(name, name);
    //: Printing to a PDF file instead of a printer.
    PrinterBox->addItem(tr("PDF ファイル"), QString());

    FileEdit = new QLineEdit(QDir::toNativeSeparators(choice.pdfBase), this);
    BrowseButton = new QPushButton(tr("参照..."), this);
    NextFileLabel = new QLabel(this);
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(FileEdit, 1);
    fileRow->addWidget(BrowseButton);

    PaperBox = new QComboBox(this);

    //: Page orientation: portrait.
    PortraitButton = new QRadioButton(tr("縦"), this);
    //: Page orientation: landscape.
    LandscapeButton = new QRadioButton(tr("横"), this);
    auto* orientation = new QButtonGroup(this);
    orientation->addButton(PortraitButton);
    orientation->addButton(LandscapeButton);
    (choice.orientation == QPageLayout::Landscape ? LandscapeButton : PortraitButton)->setChecked(true);
    auto* orientationRow = new QHBoxLayout;
    orientationRow->addWidget(PortraitButton);
    orientationRow->addWidget(LandscapeButton);
    orientationRow->addStretch();

    auto* form = new QFormLayout;
    form->addRow(tr("プリンター:"), PrinterBox);
    form->addRow(tr("ファイル名:"), fileRow);
    form->addRow(QString(), NextFileLabel);
    form->addRow(tr("用紙サイズ:"), PaperBox);
    form->addRow(tr("印刷の向き:"), orientationRow);

    Buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    Buttons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    Buttons->button(QDialogButtonBox::Cancel)->setText(tr("キャンセル"));
    connect(Buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(Buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(Buttons);

    // A printer that has gone since it was chosen falls back to the PDF file.
    const int chosen = PrinterBox->findData(choice.printerName);
    PrinterBox->setCurrentIndex(chosen >= 0 ? chosen : PrinterBox->count() - 1);
    fillPapers(choice.pageSize);
    destinationChanged();

    connect(PrinterBox, &QComboBox::currentIndexChanged, this, [this] {
        fillPapers(PaperBox->currentData().value<QPageSize>());
        destinationChanged();
    });
    connect(FileEdit, &QLineEdit::textChanged, this, &PrinterSetupDialog::updateNextFile);
    connect(BrowseButton, &QPushButton::clicked, this, &PrinterSetupDialog::browse);
}

void PrinterSetupDialog::fillPapers(const QPageSize& wanted) {
    QList<QPageSize> papers;
    const QString printer = PrinterBox->currentData().toString();
    if (!printer.isEmpty())
        papers = QPrinterInfo::printerInfo(printer).supportedPageSizes();
    if (papers.isEmpty())
        papers = standardPapers();
    PaperBox->clear();
    for (const QPageSize& paper : papers)
        PaperBox->addItem(paper.name(), QVariant::fromValue(paper));
    int index = 0;
    for (int i = 0; i < papers.size(); ++i)
        if (papers[i].isEquivalentTo(wanted))
            index = i;
    PaperBox->setCurrentIndex(index);
}

void PrinterSetupDialog::destinationChanged() {
    const bool toPdf = PrinterBox->currentData().toString().isEmpty();
    FileEdit->setEnabled(toPdf);
    BrowseButton->setEnabled(toPdf);
    NextFileLabel->setVisible(toPdf);
    updateNextFile();
}

QString PrinterSetupDialog::pdfBase() const {
    QString base = QDir::fromNativeSeparators(FileEdit->text().trimmed());
    if (base.isEmpty())
        return DefaultPdfBase();
    if (!base.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        base += QStringLiteral(".pdf");
    return QFileInfo(base).absoluteFilePath();
}

void PrinterSetupDialog::updateNextFile() {
    NextFileLabel->setText(
        tr("次の印刷は %1 に書き出します。").arg(QFileInfo(NextPdfName(pdfBase())).fileName()));
}

void PrinterSetupDialog::browse() {
    // Prints are numbered and never replace a file, so no overwrite question.
    const QString file =
        QFileDialog::getSaveFileName(this, tr("PDF ファイル"), pdfBase(), tr("PDF ファイル (*.pdf)"), nullptr,
                                     QFileDialog::DontConfirmOverwrite);
    if (!file.isEmpty())
        FileEdit->setText(QDir::toNativeSeparators(file));
}

PrinterChoice PrinterSetupDialog::Choice() const {
    PrinterChoice choice;
    choice.printerName = PrinterBox->currentData().toString();
    choice.pdfBase = pdfBase();
    if (PaperBox->currentIndex() >= 0)
        choice.pageSize = PaperBox->currentData().value<QPageSize>();
    choice.orientation = LandscapeButton->isChecked() ? QPageLayout::Landscape : QPageLayout::Portrait;
    return choice;
}

bool QtPrinterSetup::ShowPrinterSetup() {
    PrinterSetupDialog dialog(printer_.Choice(), QPrinterInfo::availablePrinterNames(), parent_);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    printer_.SetChoice(dialog.Choice());
    return true;
}
