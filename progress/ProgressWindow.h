// The progress window: for a chosen child and drill, the time of every
// attempt over the dates with the best so far and the attempts with wrong
// answers marked, a table of the attempts, the fact map with the weakest
// facts, CSV export, the weak-fact worksheet and the parents' report.
// Reading is asynchronous: "読み込み中…" shows while a read is under way,
// and an answer to an older choice is dropped.
#pragma once

#include "progress/HistoryStore.h"

#include <QDialog>
#include <QHash>

class Clock;
class FileDialogs;
class MessageBoxes;
class PrinterSetup;
class RandomSource;
class TPrinter;
class HistorySource;
class NamePanelPrint;
class AttemptTableModel;
class FactMapView;
class QAbstractItemModel;
class QChartView;
class QComboBox;
class QDateTimeAxis;
class QLabel;
class QLineSeries;
class QListWidget;
class QPushButton;
class QSpinBox;
class QStackedWidget;
class QTableView;
class QValueAxis;

struct ProgressServices {
    HistoryReader& history;
    Clock& clock;
    FileDialogs& dialogs;
    MessageBoxes& messages;
    PrinterSetup& printerSetup;
    TPrinter& printer;
    NamePanelPrint& namePanel; // heads the worksheets
    RandomSource& random;
};

class ProgressWindow : public QDialog {
    Q_OBJECT
public:
    enum Range { Last30Days, Last90Days, All };

    ProgressWindow(ProgressServices services, const QString& child, DrillKind drill,
                   QWidget* parent = nullptr);

    // Reads the history again, for the chosen child, drill and range.
    void Refresh();
    void SetChoice(const QString& child, DrillKind drill, Range range);
    QString Child() const;
    DrillKind Drill() const;

    // Another place to read from (a class on a server); the window owns it.
    void AddSource(HistorySource* source);
    HistoryReader& History() const { return *history_; }
    // True while a read is under way.
    bool Loading() const;

    // The views, for the tests and the screenshots; the controls are found by their object names.
    QTableView* AttemptTable;
    FactMapView* FactMap;
    QListWidget* WeakestList;
    AttemptTableModel* Model;
    QAbstractItemModel* SortedModel; // the rows as the table shows them
    QLineSeries* TimeSeries;
    QLineSeries* BestSeries;
    QLineSeries* WrongSeries; // marks only

    void ExportCsv();
    void PrintWorksheet();
    // The parents' report of the chosen child over the chosen range: the
    // printer setup, then every drill read, then the page.
    void PrintReport();

protected:
    void changeEvent(QEvent* event) override;

private:
    // Every text of the window in the language now spoken.
    void retranslate();
    void retranslateSourceBar();
    void showWeakest();
    void sizeColumns();
    void fillChildren(const QString& current);
    void showChildren(QStringList children, const QString& current);
    void showProgress(ChildProgress progress);
    void setLoading(bool loading);
    void sourceBar();
    void sourceChosen(int index);
    // A child's records from another history (a class's); the computer's own when null.
    void showHistory(HistoryReader* history, const QString& child, DrillKind drill);
    QDateTime since() const;
    void drawChart(const QList<Attempt>& attempts);
    void plotResized(const QRectF& plot);

    QComboBox* childBox_;
    QComboBox* drillBox_;
    QComboBox* rangeBox_;
    QPushButton* exportButton_;
    QPushButton* worksheetButton_;
    QPushButton* reportButton_;
    QSpinBox* countBox_;
    QChartView* chartView_;
    QLabel* loading_;
    QLabel* childLabel_;
    QLabel* drillLabel_;
    QLabel* rangeLabel_;
    QLabel* factsTitle_;
    QLabel* factsLegend_;
    QLabel* weakestTitle_;
    QStackedWidget* pages_;
    QComboBox* sourceBox_ = nullptr;
    QPushButton* overviewButton_ = nullptr; // back to the chosen source's overview
    QLabel* status_ = nullptr;              // the sources' status lines
    QLabel* sourceLabel_ = nullptr;

    ProgressServices services_;
    HistoryReader* history_;
    int progressRead_ = 0; // answers to an older read are dropped
    int childrenRead_ = 0;
    int reportRead_ = 0;
    bool reportPending_ = false; // its reads are under way
    QWidget* sourceBar_ = nullptr;
    QList<HistorySource*> sources_;
    QHash<HistorySource*, QWidget*> overviews_; // made when the source became available
    QDateTimeAxis* dateAxis_;
    QValueAxis* timeAxis_;
    FactStats stats_;
    double drawnWidth_ = 0;     // the plot's width in pixels the line was reduced for
    bool chartReduced_ = false; // more attempts than those pixels
};
