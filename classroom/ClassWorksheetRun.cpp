#include "classroom/ClassWorksheetRun.h"

#include "progress/WeakFactSheet.h"

#include <QProgressDialog>

ClassWorksheetRun* ClassWorksheetRun::Start(ClassReader& reader, const QString& className,
                                            const QStringList& children, DrillKind drill,
                                            const QDateTime& since, RandomSource& random, QWidget* parent,
                                            Done done) {
    auto* run =
        new ClassWorksheetRun(reader, className, children, drill, since, random, parent, std::move(done));
    run->readNext();
    return run;
}

ClassWorksheetRun::ClassWorksheetRun(ClassReader& reader, const QString& className,
                                     const QStringList& children, DrillKind drill, const QDateTime& since,
                                     RandomSource& random, QWidget* parent, Done done)
    : QObject(parent), reader_(reader), className_(className), children_(children), drill_(drill),
      since_(since), random_(random), done_(std::move(done)) {
    progress_ = new QProgressDialog(tr("一人ずつの苦手な問題を読んでいます..."), tr("キャンセル"), 0,
                                    int(children.size()), parent);
    progress_->setWindowTitle(tr("全員の苦手プリント"));
    progress_->setWindowModality(Qt::WindowModal);
    progress_->setMinimumDuration(0);
    progress_->setAutoClose(false);
    progress_->setAutoReset(false);
    progress_->setValue(0);
    // A cancel drops the read under way: its answer comes to this object, which is gone by then.
    connect(progress_, &QProgressDialog::canceled, this, [this] { finish(std::nullopt, {}); });
}

void ClassWorksheetRun::readNext() {
    if (finished_)
        return;
    if (sheets_.size() == children_.size()) {
        finish(sheets_, {});
        return;
    }
    const QString child = children_[sheets_.size()];
    //: The child being read, of all of them: 3 / 25: name
    progress_->setLabelText(
        tr("%1 / %2 人目: %3").arg(sheets_.size() + 1).arg(children_.size()).arg(ChildLabel(child)));
    reader_.ChildProgress(
        className_, child, drill_, since_, this, [this, child](ServerAnswer<::ChildProgress> answer) {
            if (finished_)
                return;
            if (!answer.value) {
                finish(std::nullopt, answer.problem);
                return;
            }
            sheets_ << ChildWorksheet{
                child, drill_, ChooseWorksheetFacts(answer.value->facts, kWeakSheetDefaultCount, random_)};
            if (progress_)
                progress_->setValue(int(sheets_.size()));
            readNext();
        });
}

void ClassWorksheetRun::finish(std::optional<QList<ChildWorksheet>> sheets, const QString& problem) {
    if (finished_)
        return;
    finished_ = true;
    if (progress_) {
        progress_->blockSignals(true); // closing it is no cancel
        progress_->close();
        progress_->deleteLater();
    }
    const Done done = std::move(done_);
    deleteLater();
    done(std::move(sheets), problem);
}
