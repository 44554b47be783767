#include "progress/ProgressWindow.h"

#include "core/VantelError.h"
#include "core/WholeFile.h"
#include "platform/desktop/Clock.h"
#include "platform/desktop/FileDialogs.h"
#include "platform/desktop/MessageBoxes.h"
#include "platform/print/PrinterSetup.h"
#include "progress/AttemptCsv.h"
#include "progress/AttemptTableModel.h"
#include "progress/ChartPoints.h"
#include "progress/FactMapView.h"
#include "progress/HistorySource.h"
#include "progress/ParentReport.h"
#include "progress/PlainToolTip.h"
#include "progress/WeakFactSheet.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateTimeAxis>
#include <QGraphicsLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QStackedWidget>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>
#include <QValueAxis>

namespace {
// The chart lays itself out and takes in the changes in posted events, after
// the window's first paint, and would be painted three times over: here it
// does both as soon as it has its size, so the first paint is the only one.
class SettledChartView : public QChartView {
public:
    using QChartView::QChartView;

protected:
    void resizeEvent(QResizeEvent* event) override {
        QChartView::resizeEvent(event);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QCoreApplication::sendPostedEvents(scene(), QEvent::MetaCall);
    }
};

// A round mark as a scatter series draws one: its brush
// inside its pen, the pen on the edge. The image also holds the outer half of
// the pen, so it is drawn that much larger.
QImage MarkerImage(qreal size, const QBrush& brush, const QPen& pen) {
    const qreal outside = pen.style() == Qt::NoPen ? 0 : pen.widthF() / 2;
    const int side = int(std::ceil(size + 2 * outside));
    QImage image(QSize(side, side), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(pen);
    painter.setBrush(brush);
    const qreal edge = (side - size) / 2;
    painter.drawEllipse(QRectF(edge, edge, size, size));
    return image;
}

constexpr int kWeakestShown = 10;

QString DateAxisFormat(qint64 days) {
    if (days > 365)
        return QStringLiteral("yyyy/MM");
    return days > 3 ? QStringLiteral("MM/dd") : QStringLiteral("MM/dd HH:mm");
}
constexpr int kPointSpacingPx = 4; // attempts closer than this are drawn without their points
constexpr double kRedrawGrowth = 1.25;
constexpr int kNameShownPx = 220; // long names are elided; the tool tip has more
} // namespace

ProgressWindow::ProgressWindow(ProgressServices services, const QString& child, DrillKind drill,
                               QWidget* parent)
    : QDialog(parent), services_(services), history_(&services.history) {
    setObjectName(QStringLiteral("ProgressWindow"));
    resize(1000, 720);

    childBox_ = new QComboBox;
    childBox_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    childBox_->setMinimumContentsLength(14);
    drillBox_ = new QComboBox;
    for (DrillKind kind :
         {DrillKind::Addition, DrillKind::Subtraction, DrillKind::Multiplication, DrillKind::Kuku})
        drillBox_->addItem(QString(), int(kind));
    rangeBox_ = new QComboBox;
    rangeBox_->addItems({QString(), QString(), QString()}); // Last30Days, Last90Days, All
    exportButton_ = new QPushButton;
    worksheetButton_ = new QPushButton;
    reportButton_ = new QPushButton;
    countBox_ = new QSpinBox;
    countBox_->setRange(1, kWeakSheetMaxCount);
    countBox_->setValue(kWeakSheetDefaultCount);

    const std::pair<QWidget*, const char*> named[] = {
        {childBox_, "ChildBox"},         {drillBox_, "DrillBox"}, {rangeBox_, "RangeBox"},
        {exportButton_, "ExportButton"}, {countBox_, "CountBox"}, {worksheetButton_, "WorksheetButton"},
        {reportButton_, "ReportButton"}};
    for (const auto& [control, name] : named)
        control->setObjectName(QLatin1String(name));
    loading_ = new QLabel;
    loading_->setObjectName(QStringLiteral("Loading"));
    loading_->hide();

    auto* choices = new QHBoxLayout;
    childLabel_ = new QLabel;
    drillLabel_ = new QLabel;
    rangeLabel_ = new QLabel;
    choices->addWidget(childLabel_);
    choices->addWidget(childBox_);
    choices->addWidget(drillLabel_);
    choices->addWidget(drillBox_);
    choices->addWidget(rangeLabel_);
    choices->addWidget(rangeBox_);
    choices->addWidget(loading_);
    choices->addStretch();
    // The actions in a row of their own: in a language of long words the
    // choices and the actions do not fit one row of the window.
    auto* actions = new QHBoxLayout;
    actions->addStretch();
    actions->addWidget(exportButton_);
    actions->addWidget(countBox_);
    actions->addWidget(worksheetButton_);
    actions->addWidget(reportButton_);

    // The chart: time of each attempt, best so far as a step line, wrong answers marked.
    auto* chart = new QChart;
    chart->legend()->setAlignment(Qt::AlignBottom);
    TimeSeries = new QLineSeries;
    TimeSeries->setPointsVisible(true);
    BestSeries = new QLineSeries;
    QPen bestPen(QColor(40, 150, 60));
    bestPen.setWidth(2);
    BestSeries->setPen(bestPen);
    // The attempts with wrong answers: marks only, one image drawn at each
    // point. A scatter series would make a graphics item for every point.
    WrongSeries = new QLineSeries;
    QPen noLine(Qt::NoPen);
    noLine.setColor(QColor(220, 50, 40));
    WrongSeries->setPen(noLine);
    const QImage wrongMark = MarkerImage(9, QColor(220, 50, 40), QPen(Qt::white, 2));
    WrongSeries->setMarkerSize(wrongMark.width());
    WrongSeries->setLightMarker(wrongMark);
    WrongSeries->setPointsVisible(true);
    chart->addSeries(TimeSeries);
    chart->addSeries(BestSeries);
    chart->addSeries(WrongSeries);
    dateAxis_ = new QDateTimeAxis;
    dateAxis_->setFormat(QStringLiteral("MM/dd"));
    timeAxis_ = new QValueAxis;
    timeAxis_->setLabelFormat(QStringLiteral("%d"));
    chart->addAxis(dateAxis_, Qt::AlignBottom);
    chart->addAxis(timeAxis_, Qt::AlignLeft);
    for (QAbstractSeries* series : chart->series()) {
        series->attachAxis(dateAxis_);
        series->attachAxis(timeAxis_);
    }
    chartView_ = new SettledChartView(chart);
    chartView_->setObjectName(QStringLiteral("ChartView"));
    chartView_->setRenderHint(QPainter::Antialiasing);
    chartView_->setMinimumHeight(240);
    connect(chart, &QChart::plotAreaChanged, this, &ProgressWindow::plotResized, Qt::QueuedConnection);

    Model = new AttemptTableModel(this);
    SortedModel = Model; // it sorts its own rows, cheaply for a long history
    AttemptTable = new QTableView;
    AttemptTable->setModel(SortedModel);
    AttemptTable->setSortingEnabled(true);
    AttemptTable->sortByColumn(AttemptTableModel::Date, Qt::DescendingOrder);
    AttemptTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    AttemptTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    AttemptTable->verticalHeader()->hide();
    AttemptTable->setWordWrap(false);
    sizeColumns();

    FactMap = new FactMapView;
    WeakestList = new QListWidget;
    WeakestList->setMaximumHeight(150);
    auto* facts = new QWidget;
    auto* factLayout = new QVBoxLayout(facts);
    factLayout->setContentsMargins(0, 0, 0, 0);
    factsTitle_ = new QLabel;
    factLayout->addWidget(factsTitle_);
    factLayout->addWidget(FactMap, 1);
    factsLegend_ = new QLabel;
    factsLegend_->setWordWrap(true);
    factLayout->addWidget(factsLegend_);
    weakestTitle_ = new QLabel;
    factLayout->addWidget(weakestTitle_);
    factLayout->addWidget(WeakestList);

    auto* lower = new QSplitter(Qt::Horizontal);
    lower->addWidget(AttemptTable);
    lower->addWidget(facts);
    lower->setStretchFactor(0, 1);
    lower->setStretchFactor(1, 1);
    auto* split = new QSplitter(Qt::Vertical);
    split->addWidget(chartView_);
    split->addWidget(lower);
    split->setStretchFactor(0, 2);
    split->setStretchFactor(1, 3);

    auto* detail = new QWidget;
    auto* detailLayout = new QVBoxLayout(detail);
    detailLayout->setContentsMargins(0, 0, 0, 0);
    detailLayout->addLayout(choices);
    detailLayout->addLayout(actions);
    detailLayout->addWidget(split, 1);
    pages_ = new QStackedWidget;
    pages_->setObjectName(QStringLiteral("Pages"));
    pages_->addWidget(detail);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_, 1);

    retranslate();
    fillChildren(child);
    drillBox_->setCurrentIndex(int(drill));
    connect(childBox_, &QComboBox::currentIndexChanged, this, &ProgressWindow::Refresh);
    connect(drillBox_, &QComboBox::currentIndexChanged, this, &ProgressWindow::Refresh);
    connect(rangeBox_, &QComboBox::currentIndexChanged, this, &ProgressWindow::Refresh);
    connect(exportButton_, &QPushButton::clicked, this, &ProgressWindow::ExportCsv);
    connect(worksheetButton_, &QPushButton::clicked, this, &ProgressWindow::PrintWorksheet);
    connect(reportButton_, &QPushButton::clicked, this, &ProgressWindow::PrintReport);
    Refresh();
}

void ProgressWindow::sizeColumns() {
    // The texts of these columns have a fixed form, so each is as wide as the
    // widest it can be; sizing them to their contents measured every row of a
    // long history at each refresh.
    QHeaderView* header = AttemptTable->horizontalHeader();
    header->setMinimumSectionSize(60);
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setSectionResizeMode(AttemptTableModel::Date, QHeaderView::Stretch);
    const QFontMetrics metrics(AttemptTable->font());
    QChar digit = u'0';
    for (QChar d = u'1'; d <= u'9'; d = QChar(d.unicode() + 1))
        if (metrics.horizontalAdvance(d) > metrics.horizontalAdvance(digit))
            digit = d;
    const auto digits = [&](QString form) { return form.replace(u'9', digit); };
    // As the item delegate pads a text.
    const int padding =
        2 * (AttemptTable->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, AttemptTable) + 1);
    const std::pair<int, QString> widest[] = {{AttemptTableModel::Time, digits(QStringLiteral("99:99"))},
                                              {AttemptTableModel::Score, digits(QStringLiteral("999/999"))},
                                              {AttemptTableModel::NewBest, QStringLiteral("○")}};
    for (const auto& [column, text] : widest)
        header->resizeSection(column, std::max({header->minimumSectionSize(), header->sectionSizeHint(column),
                                                metrics.horizontalAdvance(text) + padding}));
}

void ProgressWindow::fillChildren(const QString& current) {
    const int read = ++childrenRead_;
    showChildren({}, current); // the chosen one at once, the others when read
    history_->ReadChildren(this, [this, read](QStringList children) {
        if (read == childrenRead_)
            showChildren(std::move(children), Child());
    });
}

void ProgressWindow::showChildren(QStringList children, const QString& current) {
    const QSignalBlocker quiet(childBox_);
    childBox_->clear();
    if (!children.contains(current))
        children.prepend(current);
    const QFontMetrics metrics(childBox_->font());
    for (const QString& name : children) {
        childBox_->addItem(metrics.elidedText(ChildLabel(name), Qt::ElideRight, kNameShownPx), name);
        childBox_->setItemData(childBox_->count() - 1, PlainToolTip(ChildLabel(name).left(200)),
                               Qt::ToolTipRole);
    }
    childBox_->setCurrentIndex(int(children.indexOf(current)));
}

void ProgressWindow::sourceBar() {
    if (sourceBar_)
        return;
    sourceBar_ = new QWidget;
    auto* bar = new QHBoxLayout(sourceBar_);
    bar->setContentsMargins(0, 0, 0, 0);
    sourceBox_ = new QComboBox;
    sourceBox_->setObjectName(QStringLiteral("SourceBox"));
    sourceBox_->addItem(tr("このパソコン"));
    overviewButton_ = new QPushButton;
    overviewButton_->setObjectName(QStringLiteral("OverviewButton"));
    overviewButton_->hide();
    sourceLabel_ = new QLabel(tr("記録:"));
    QLabel* label = sourceLabel_;
    status_ = new QLabel;
    status_->setObjectName(QStringLiteral("SourceStatus"));
    status_->setTextFormat(Qt::PlainText); // may carry a server's words
    bar->addWidget(label);
    bar->addWidget(sourceBox_);
    bar->addWidget(overviewButton_);
    bar->addStretch();
    bar->addWidget(status_);
    label->setVisible(false);
    sourceBox_->setVisible(false); // until there is something to choose
    static_cast<QVBoxLayout*>(layout())->insertWidget(0, sourceBar_);
    connect(sourceBox_, &QComboBox::currentIndexChanged, this, &ProgressWindow::sourceChosen);
    connect(overviewButton_, &QPushButton::clicked, this,
            [this] { sourceChosen(sourceBox_->currentIndex()); });
}

void ProgressWindow::AddSource(HistorySource* source) {
    source->setParent(this);
    sourceBar();
    sources_ << source;
    const auto showStatus = [this] {
        QStringList texts, tips;
        for (HistorySource* each : std::as_const(sources_)) {
            if (const QString text = each->StatusText(); !text.isEmpty())
                texts << text;
            if (const QString tip = each->StatusTip(); !tip.isEmpty())
                tips << tip;
        }
        status_->setText(texts.join(QStringLiteral("　")));
        status_->setToolTip(PlainToolTip(tips.join(u'\n')));
    };
    showStatus();
    connect(source, &HistorySource::StatusChanged, this, showStatus);
    connect(source, &HistorySource::Available, this, [this, source] {
        if (overviews_.contains(source))
            return;
        QWidget* overview = source->MakeOverview(services_);
        overviews_.insert(source, overview);
        pages_->addWidget(overview);
        sourceBox_->addItem(source->Name(), QVariant::fromValue<QObject*>(source));
        sourceBox_->show();
        sourceBar_->layout()->itemAt(0)->widget()->show();
    });
    connect(source, &HistorySource::ChildChosen, this,
            [this](HistoryReader* history, const QString& child, DrillKind drill) {
                showHistory(history, child, drill);
            });
}

void ProgressWindow::sourceChosen(int index) {
    overviewButton_->hide();
    auto* source = static_cast<HistorySource*>(sourceBox_->itemData(index).value<QObject*>());
    if (!source) {
        showHistory(nullptr, Child(), Drill());
        return;
    }
    pages_->setCurrentWidget(overviews_.value(source));
}

void ProgressWindow::showHistory(HistoryReader* history, const QString& child, DrillKind drill) {
    history_ = history ? history : &services_.history;
    if (overviewButton_ && history) {
        overviewButton_->show();
        retranslateSourceBar();
    }
    {
        const QSignalBlocker quiet(drillBox_);
        drillBox_->setCurrentIndex(int(drill));
    }
    fillChildren(child);
    pages_->setCurrentIndex(0);
    Refresh();
}

bool ProgressWindow::Loading() const { return !loading_->isHidden(); }

void ProgressWindow::setLoading(bool loading) {
    loading_->setVisible(loading);
    // What they would print or write is the last read's.
    exportButton_->setEnabled(!loading);
    worksheetButton_->setEnabled(!loading);
    reportButton_->setEnabled(!loading && !reportPending_);
}

QString ProgressWindow::Child() const { return childBox_->currentData().toString(); }
DrillKind ProgressWindow::Drill() const { return DrillKind(drillBox_->currentData().toInt()); }

void ProgressWindow::SetChoice(const QString& child, DrillKind drill, Range range) {
    const QSignalBlocker a(childBox_), b(drillBox_), c(rangeBox_);
    const int index = childBox_->findData(child);
    if (index >= 0)
        childBox_->setCurrentIndex(index);
    drillBox_->setCurrentIndex(int(drill));
    rangeBox_->setCurrentIndex(int(range));
    Refresh();
}

QDateTime ProgressWindow::since() const {
    const QDateTime now = services_.clock.Now().toUTC();
    switch (Range(rangeBox_->currentIndex())) {
    case Last30Days:
        return now.addDays(-30);
    case Last90Days:
        return now.addDays(-90);
    case All:
        break;
    }
    return {};
}

void ProgressWindow::Refresh() {
    const int read = ++progressRead_;
    setLoading(true);
    history_->ReadProgress(Child(), Drill(), since(), this, [this, read](ChildProgress progress) {
        if (read != progressRead_)
            return; // the choice changed since
        showProgress(std::move(progress));
        setLoading(false);
    });
}

void ProgressWindow::showProgress(ChildProgress progress) {
    stats_ = std::move(progress.facts);
    drawChart(progress.attempts);
    Model->SetAttempts(std::move(progress.attempts));
    FactMap->SetStats(stats_);
    showWeakest();
    // The views and the chart lay themselves out in later events, each then
    // painting on its own; done now, the window is painted once.
    AttemptTable->doItemsLayout();
    WeakestList->doItemsLayout();
    QCoreApplication::sendPostedEvents(chartView_->scene(), QEvent::MetaCall);
}

void ProgressWindow::showWeakest() {
    WeakestList->clear();
    for (const FactStat& stat : stats_.Weakest(kWeakestShown)) {
        QString line =
            FactText(stats_.drill, stat.fact) + tr("　まちがい %1/%2 回").arg(stat.wrong).arg(stat.seen);
        if (stat.medianMs >= 0)
            line += tr("　%1 秒").arg(stat.medianMs / 1000.0, 0, 'f', 1);
        WeakestList->addItem(line);
    }
    if (WeakestList->count() == 0)
        WeakestList->addItem(tr("苦手な問題はまだ見つかっていません"));
}

void ProgressWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void ProgressWindow::retranslate() {
    setWindowTitle(tr("成績の記録"));
    for (int i = 0; i < drillBox_->count(); ++i)
        drillBox_->setItemText(i, DrillLabel(DrillKind(drillBox_->itemData(i).toInt())));
    const QString ranges[] = {tr("最近30日"), tr("最近90日"), tr("すべて")};
    for (int i = 0; i < rangeBox_->count(); ++i)
        rangeBox_->setItemText(i, ranges[i]);
    const QFontMetrics metrics(childBox_->font());
    for (int i = 0; i < childBox_->count(); ++i) { // "名前なし" is a label too
        const QString label = ChildLabel(childBox_->itemData(i).toString());
        childBox_->setItemText(i, metrics.elidedText(label, Qt::ElideRight, kNameShownPx));
        childBox_->setItemData(i, PlainToolTip(label.left(200)), Qt::ToolTipRole);
    }
    exportButton_->setText(tr("CSVに書き出す..."));
    worksheetButton_->setText(tr("苦手プリント"));
    reportButton_->setText(tr("成績レポート"));
    reportButton_->setToolTip(tr("保護者に渡す1枚のレポートを印刷します"));
    countBox_->setSuffix(tr(" 問"));
    loading_->setText(tr("読み込み中…"));
    childLabel_->setText(tr("名前:"));
    drillLabel_->setText(tr("ドリル:"));
    rangeLabel_->setText(tr("期間:"));
    chartView_->chart()->setTitle(tr("かかった時間"));
    TimeSeries->setName(tr("時間"));
    BestSeries->setName(tr("ベストタイム"));
    WrongSeries->setName(tr("まちがいあり"));
    dateAxis_->setTitleText(tr("日付"));
    timeAxis_->setTitleText(tr("時間（秒）"));
    factsTitle_->setText(tr("問題ごとのできぐあい（数字はまちがえた回数）"));
    factsLegend_->setText(
        tr("緑: よくできている　黄: 時間がかかる・ときどきまちがえる　赤: よくまちがえる　灰: 記録なし"));
    weakestTitle_->setText(tr("苦手な問題"));
    Model->Retranslate();
    FactMap->update();            // its tool tips and marks
    if (WeakestList->count() > 0) // shown once the first read is in
        showWeakest();
    retranslateSourceBar();
}

void ProgressWindow::retranslateSourceBar() {
    if (!sourceBar_)
        return;
    sourceBox_->setItemText(0, tr("このパソコン"));
    // The other sources name themselves in the language now spoken.
    for (int i = 1; i < sourceBox_->count(); ++i)
        if (auto* source = static_cast<HistorySource*>(sourceBox_->itemData(i).value<QObject*>()))
            sourceBox_->setItemText(i, source->Name());
    sourceLabel_->setText(tr("記録:"));
    overviewButton_->setText(tr("%1の一覧にもどる").arg(sourceBox_->currentText()));
}

void ProgressWindow::drawChart(const QList<Attempt>& attempts) {
    const ChartPoints points = ChartPointsOf(attempts);
    QDateTime first = services_.clock.Now().addDays(-30), last = services_.clock.Now();
    if (!attempts.isEmpty()) {
        first = attempts.first().startedUtc;
        last = attempts.last().startedUtc;
    }
    // The axes first, over empty series: every change of a range lays out
    // each series again, which costs with a long one. Then each series in one call.
    for (QLineSeries* series : {TimeSeries, BestSeries, WrongSeries})
        series->clear();
    // Over a few days the day alone repeats along the axis; the hour tells the attempts apart.
    // Past a year the same day comes round again; the year tells which.
    dateAxis_->setFormat(DateAxisFormat(first.daysTo(last)));
    const qint64 margin = std::max<qint64>(3600, first.secsTo(last) / 20);
    const QDateTime from = first.addSecs(-margin), to = last.addSecs(margin);
    dateAxis_->setRange(from, to);
    const double top = std::ceil(std::max(60.0, points.slowest) * 1.1 / 30) * 30;
    timeAxis_->setRange(0, top);
    // No more than the plot's pixels can show; before the chart is shown
    // the window's size stands for the plot's.
    const QRectF plot = chartView_->chart()->plotArea();
    const QSizeF pixels = chartView_->isVisible() && plot.width() > 1 ? plot.size() : QSizeF(size());
    drawnWidth_ = pixels.width();
    // The line is as wide as its pen: a column of that width is one stroke.
    const int columns = int(std::ceil(drawnWidth_ / std::max(1.0, TimeSeries->pen().widthF())));
    const double xMin = double(from.toMSecsSinceEpoch()), xMax = double(to.toMSecsSinceEpoch());
    const QList<QPointF> times = ReduceToColumns(points.times, xMin, xMax, columns);
    chartReduced_ = times.size() < points.times.size();
    // Marks closer than this run into one another. Such a line fills its
    // columns from bottom to top, and the other lines run straight across
    // and down: smoothing their edges would show nothing, and costs.
    const bool sparse = points.times.size() * kPointSpacingPx <= drawnWidth_;
    TimeSeries->setPointsVisible(sparse);
    chartView_->setRenderHint(QPainter::Antialiasing, sparse);
    TimeSeries->replace(times);
    BestSeries->replace(points.best);
    // One mark for each square a mark covers: the ones that would pile on
    // top of it add nothing but rings over rings. A short history keeps every one.
    WrongSeries->replace(chartReduced_ ? ThinMarks(points.wrong, QRectF(xMin, 0, xMax - xMin, top), pixels,
                                                   WrongSeries->markerSize())
                                       : points.wrong);
}

void ProgressWindow::plotResized(const QRectF& plot) {
    // A plot grown much wider than the reduced line was drawn for is drawn
    // again; the few pixels the axes' labels move it by are not worth that.
    if (chartReduced_ && plot.width() > drawnWidth_ * kRedrawGrowth)
        drawChart(Model->Attempts());
}

void ProgressWindow::ExportCsv() {
    FileDialogOptions options;
    options.filter = tr("CSV ファイル (*.csv)|*.csv");
    options.defaultExtension = QStringLiteral("csv");
    options.fileName = tr("成績の記録_%1.csv").arg(DrillLabel(Drill()));
    const std::optional<FileDialogChoice> choice = services_.dialogs.SaveFile(options);
    if (!choice)
        return;
    if (!WriteWholeFile(choice->path, AttemptsCsv(Model->Attempts())))
        services_.messages.ShowError(tr("ファイル %1 に書き込めませんでした。").arg(choice->path));
}

void ProgressWindow::PrintReport() {
    services_.printerSetup.ShowPrinterSetup(); // Cancel prints too, as the worksheets do
    const int read = ++reportRead_;
    reportPending_ = true;
    reportButton_->setEnabled(false);
    ReadParentReport(*history_, Child(), Drill(), since(), services_.clock.Now(), this,
                     [this, read](ParentReport report) {
                         if (read != reportRead_)
                             return;
                         reportPending_ = false;
                         reportButton_->setEnabled(!Loading());
                         try {
                             PrintParentReport(services_.printer, report);
                         } catch (const VantelError& error) {
                             services_.messages.ShowError(error.Message());
                         }
                     });
}

void ProgressWindow::PrintWorksheet() {
    const QList<Fact> facts = ChooseWorksheetFacts(stats_, countBox_->value(), services_.random);
    try {
        PrintWeakFactSheetCommand(services_.printerSetup, services_.printer, services_.namePanel, Drill(),
                                  facts, ChildLabel(Child()));
    } catch (const VantelError& error) {
        services_.messages.ShowError(error.Message());
    }
}
