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
class QLineSeries;
class QListWidget;
class QPushButton;
class QSortFilterProxyModel;
class QSpinBox;
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
    QLineSeries* TimeSeries;
    QLineSeries* BestSeries;
    QLineSeries* WrongSeries; // marks only

    void ExportCsv();
    void PrintWorksheet();

private:
    void sizeColumns();
    void fillChildren(const QString& current);
    QDateTime since() const;
    void drawChart(const QList<Attempt>& attempts);

    ProgressServices services_;
    QDateTimeAxis* dateAxis_;
    QValueAxis* timeAxis_;
    FactStats stats_;
};
