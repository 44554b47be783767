// The progress dialog of a print of many pages: with a working キャンセル
// button while the pages are prepared, and without one once the job runs,
// since a job half sent to the printer cannot be taken back.
#pragma once

#include "print/PrintRunProgress.h"

#include <QProgressDialog>

class QPushButton;

class PrintProgressDialog : public QProgressDialog {
    Q_OBJECT
public:
    explicit PrintProgressDialog(QWidget* parent = nullptr);

    // The callbacks that move this dialog; prepared answers false once the
    // user has cancelled.
    PrintRunProgress Progress();

    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    bool preparing(int done, int total);
    void printing(int done, int total);

    QPushButton* cancelButton_;
    bool printing_ = false;
};
