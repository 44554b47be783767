// Somewhere else the progress window can read records from (a class on a
// server). The window shows the source's status line and, once the source is
// available, offers it by name above the computer's own, with the overview
// page the source makes; choosing a child there shows that child's records.
#pragma once

#include "drill/DrillKind.h"

#include <QObject>

class HistoryReader;
struct ProgressServices;
class QWidget;

class HistorySource : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    virtual QString Name() const = 0;
    // The status line and its tool tip (plain text); empty: none.
    virtual QString StatusText() = 0;
    virtual QString StatusTip() = 0;
    // The overview page, after Available; the window owns it. It may print,
    // ask for files and tell through the window's services.
    virtual QWidget* MakeOverview(const ProgressServices& services) = 0;

signals:
    void StatusChanged();
    // May now be chosen.
    void Available();
    // Show this child's records at this drill, read through history.
    void ChildChosen(HistoryReader* history, const QString& child, DrillKind drill);
};
