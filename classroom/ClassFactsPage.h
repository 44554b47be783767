// The class's fact map: for a chosen drill, every fact coloured by how the
// whole class does on it, drawn as a child's map is; its tool tips say how
// many children miss the fact and how long the class takes. From here the
// teacher prints one worksheet of the facts the class misses most, or every
// child's own worksheet in one run.
#pragma once

#include "classroom/ClassTableModel.h"
#include "progress/ProgressWindow.h"

#include <QWidget>

class FactMapView;
class QComboBox;
class QLabel;
class QPushButton;

class ClassFactsPage : public QWidget {
    Q_OBJECT
public:
    ClassFactsPage(ClassReader& reader, ProgressServices services, QWidget* parent = nullptr);

    void SetClassName(const QString& className);
    // The class table's children; those with attempts at the drill get a worksheet each.
    void SetRows(const QList<ClassChild>& rows) { rows_ = rows; }
    // Reads the class's facts again, now if shown, otherwise when next shown.
    void Reload();
    DrillKind Drill() const;
    QDateTime Since() const;
    const ClassFacts& Facts() const { return facts_; }
    // The children of the list who practised the chosen drill.
    QStringList ChildrenWithAttempts() const;
    QString ToolTipOf(const FactStat& stat) const;

    void PrintClassSheet();
    void PrintEveryone();

    QComboBox* DrillBox;
    QComboBox* RangeBox;
    FactMapView* FactMap;
    QLabel* Legend;
    QLabel* Note;
    QPushButton* ClassSheetButton;
    QPushButton* EveryoneButton;

signals:
    void Loaded();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    void read();
    // The note under the map, from what the last read brought.
    void showNote();

    ClassReader& reader_;
    ProgressServices services_;
    QString className_;
    QList<ClassChild> rows_;
    ClassFacts facts_;
    QLabel* drillLabel_;
    QLabel* rangeLabel_;
    bool loading_ = false;
    bool answered_ = false; // a read has come back
    QString problem_;       // of the last read
    bool stale_ = true;
    bool running_ = false; // a print run is gathering
    int generation_ = 0;
};
