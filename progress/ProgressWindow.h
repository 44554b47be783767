// The progress window: for a chosen child and drill, the time of every
// attempt over the dates with the best so far and the attempts with wrong
// answers marked, a table of the attempts, the fact map with the weakest
// facts, CSV export and the weak-fact worksheet.
#pragma once

#include "progress/HistoryStore.h"

#include <QDialog>

class Clock;
class FileDialogs;
class MessageBoxes;
class PrinterSetup;
class RandomSource;
class TPrinter;
class TVoskSGridPrinter;
class AttemptTableModel;
class FactMapView;
class QChartView;
class QComboBox;
class QDateTimeAxis;
class QHBoxLayout;
class QLineSeries;
class QListWidget;
class QPushButton;
class QSortFilterProxyModel;
class QSpinBox;
class QStackedWidget;
class QTableView;
class QValueAxis;

struct ProgressServices {
    HistoryStore& history;
    Clock& clock;
    FileDialogs& dialogs;
    MessageBoxes& messages;
    PrinterSetup& printerSetup;
    TPrinter& printer;
    TVoskSGridPrinter& namePanelPrinter; // the worksheets' name panel
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

    // Other places to read from (a class on a server) are chosen above the
    // rest; each shows its own overview page. The bar appears on first use.
    QHBoxLayout* SourceBar();
    void AddSource(const QString& label, QWidget* overview);
    // A child's records from another history (a class's), with the same
    // chart, table and fact map; the computer's own when null.
    void ShowHistory(HistoryStore* history, const QString& child);
    HistoryStore& History() const { return *history_; }

    // Controls, for the tests and the screenshots.
    QComboBox* ChildBox;
    QComboBox* DrillBox;
    QComboBox* RangeBox;
    QPushButton* ExportButton;
    QPushButton* WorksheetButton;
    QSpinBox* CountBox;
    QChartView* ChartView;
    QTableView* AttemptTable;
    FactMapView* FactMap;
    QListWidget* WeakestList;
    AttemptTableModel* Model;
    QSortFilterProxyModel* SortedModel;
    QComboBox* SourceBox = nullptr;
    QPushButton* OverviewButton = nullptr; // back to the chosen source's overview
    QStackedWidget* Pages;
    QLineSeries* TimeSeries;
    QLineSeries* BestSeries;
    QLineSeries* WrongSeries; // marks only

    void ExportCsv();
    void PrintWorksheet();

private:
    void sizeColumns();
    void fillChildren(const QString& current);
    void sourceChosen(int index);
    QDateTime since() const;
    void drawChart(const QList<Attempt>& attempts);

    ProgressServices services_;
    HistoryStore* history_;
    QWidget* sourceBar_ = nullptr;
    QList<QWidget*> overviews_; // by source, after the computer's own
    QDateTimeAxis* dateAxis_;
    QValueAxis* timeAxis_;
    FactStats stats_;
};
