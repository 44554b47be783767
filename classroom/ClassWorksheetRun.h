// Gathering every child's weak-fact worksheet for one print run: each
// child's facts are read from the server in turn under a progress dialog,
// one read at a time, so Cancel stops after the read under way and nothing
// is printed.
#pragma once

#include "classroom/ClassReader.h"
#include "progress/WeakFactRun.h"

#include <QObject>
#include <QPointer>
#include <QProgressDialog>

class QWidget;
class RandomSource;

class ClassWorksheetRun : public QObject {
    Q_OBJECT
public:
    // sheets: every child's worksheet, in the order of children; nothing when
    // cancelled, or with `problem` when the server could not be read.
    using Done = std::function<void(std::optional<QList<ChildWorksheet>> sheets, QString problem)>;

    // Starts at once; the run deletes itself after calling done.
    static ClassWorksheetRun* Start(ClassReader& reader, const QString& className,
                                    const QStringList& children, DrillKind drill, const QDateTime& since,
                                    RandomSource& random, QWidget* parent, Done done);
    QProgressDialog* Progress() const { return progress_; }

private:
    ClassWorksheetRun(ClassReader& reader, const QString& className, const QStringList& children,
                      DrillKind drill, const QDateTime& since, RandomSource& random, QWidget* parent,
                      Done done);
    void readNext();
    void finish(std::optional<QList<ChildWorksheet>> sheets, const QString& problem);

    ClassReader& reader_;
    QString className_;
    QStringList children_;
    DrillKind drill_;
    QDateTime since_;
    RandomSource& random_;
    Done done_;
    QPointer<QProgressDialog> progress_;
    QList<ChildWorksheet> sheets_;
    bool finished_ = false;
};
