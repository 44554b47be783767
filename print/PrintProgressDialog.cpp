#include "print/PrintProgressDialog.h"

#include <QCloseEvent>
#include <QPushButton>

PrintProgressDialog::PrintProgressDialog(QWidget* parent)
    : QProgressDialog(parent), cancelButton_(new QPushButton(tr("キャンセル"), this)) {
    setObjectName(QStringLiteral("PrintProgressDialog"));
    setWindowTitle(tr("印刷"));
    setWindowModality(Qt::WindowModal);
    setCancelButton(cancelButton_);
    setAutoClose(false);
    setAutoReset(false);
    // Shown at once: every step then lets the キャンセル button be pressed.
    setMinimumDuration(0);
}

PrintRunProgress PrintProgressDialog::Progress() {
    return {[this](int done, int total) { return preparing(done, total); },
            [this](int done, int total) { printing(done, total); }};
}

bool PrintProgressDialog::preparing(int done, int total) {
    if (wasCanceled())
        return false;
    setLabelText(tr("プリントを用意しています（%1 / %2）").arg(done).arg(total));
    setMaximum(total);
    setValue(done); // lets the dialog's events through
    return !wasCanceled();
}

void PrintProgressDialog::printing(int done, int total) {
    if (!printing_) {
        printing_ = true;
        cancelButton_->setEnabled(false);
    }
    setLabelText(tr("印刷しています（%1 / %2 ページ）").arg(done).arg(total));
    setMaximum(total);
    setValue(done);
}

// Escape cancels while preparing, and does nothing once the job runs.
void PrintProgressDialog::reject() {
    if (!printing_)
        cancel();
}

void PrintProgressDialog::closeEvent(QCloseEvent* event) {
    if (printing_)
        event->ignore();
    else
        QProgressDialog::closeEvent(event);
}
