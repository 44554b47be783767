#include "classroom/ClassView.h"

#include "classroom/ClassCsv.h"
#include "classroom/ClassFactsPage.h"
#include "classroom/ClassTableModel.h"
#include "classroom/RosterPanel.h"
#include "core/WholeFile.h"
#include "platform/desktop/FileDialogs.h"
#include "platform/desktop/MessageBoxes.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

ClassView::ClassView(ClassReader& reader, const QStringList& classes, ProgressServices services,
                     QWidget* parent)
    : QWidget(parent), reader_(reader), services_(services) {
    setObjectName(QStringLiteral("ClassView"));
    ClassBox = new QComboBox;
    ClassBox->addItems(classes);
    ReloadButton = new QPushButton;
    CsvButton = new QPushButton;
    Model = new ClassTableModel(this);
    SortedModel = new QSortFilterProxyModel(this);
    SortedModel->setSourceModel(Model);
    SortedModel->setSortRole(Qt::UserRole);
    Table = new QTableView;
    Table->setModel(SortedModel);
    Table->setSortingEnabled(true);
    Table->sortByColumn(0, Qt::AscendingOrder);
    Table->setSelectionBehavior(QAbstractItemView::SelectRows);
    Table->setSelectionMode(QAbstractItemView::SingleSelection);
    Table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Table->verticalHeader()->hide();
    Table->setWordWrap(false);
    // Sixteen narrow columns and the mark fit the window beside the names; the drills' groups alternate in
    // shade.
    Table->horizontalHeader()->setMinimumSectionSize(40);
    Table->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    Table->horizontalHeader()->setSectionResizeMode(ClassTableModel::kNameColumn, QHeaderView::Stretch);
    Table->setAlternatingRowColors(false);
    Roster = new RosterPanel(reader_, services_.dialogs, services_.messages);
    Roster->SetSelectedChild([this] { return SelectedChild(); });
    Facts = new ClassFactsPage(reader_, services_);
    Computers = new QLabel;
    Computers->setObjectName(QStringLiteral("UnseenComputers"));
    Computers->setTextFormat(Qt::PlainText); // seats come from the server
    Computers->setWordWrap(true);
    Computers->hide();
    Note = new QLabel;
    Note->setTextFormat(Qt::PlainText);
    Note->setWordWrap(true);

    auto* top = new QHBoxLayout;
    classLabel_ = new QLabel;
    top->addWidget(classLabel_);
    top->addWidget(ClassBox);
    top->addWidget(ReloadButton);
    top->addStretch();
    top->addWidget(CsvButton);
    auto* tablePage = new QWidget;
    auto* tableLayout = new QVBoxLayout(tablePage);
    tableLayout->addWidget(Roster);
    tableLayout->addWidget(Table, 1);
    Tabs = new QTabWidget;
    Tabs->addTab(tablePage, QString());
    Tabs->addTab(Facts, QString());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(top);
    layout->addWidget(Tabs, 1);
    layout->addWidget(Computers);
    layout->addWidget(Note);

    retranslate();
    history_ = std::make_unique<ServerHistory>(reader_, ClassName());
    connect(ClassBox, &QComboBox::currentIndexChanged, this, &ClassView::Reload);
    connect(ReloadButton, &QPushButton::clicked, this, &ClassView::Reload);
    connect(CsvButton, &QPushButton::clicked, this, &ClassView::ExportCsv);
    connect(Roster, &RosterPanel::Changed, this, &ClassView::Reload);
    // A double click or Enter on a child; the drill is the column's.
    connect(Table, &QTableView::activated, this, &ClassView::chooseRow);
    Reload();
}

void ClassView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void ClassView::retranslate() {
    classLabel_->setText(tr("クラス:"));
    ReloadButton->setText(tr("読み直す"));
    CsvButton->setText(tr("CSVに書き出す..."));
    CsvButton->setToolTip(tr("クラスの表を表計算ソフトで開けるファイルにします"));
    //: Tab: the class table, a row for each child
    Tabs->setTabText(0, tr("一人ずつ"));
    //: Tab: the class's fact map
    Tabs->setTabText(1, tr("クラスの問題ごとのできぐあい"));
    Model->Retranslate();
    fitColumns();
    if (history_) // not yet during the constructor
        showNote();
    showComputers();
}

void ClassView::fitColumns() {
    // Narrow columns, as wide as their headers' and marks' words need: a
    // language of longer words widens them, Japanese keeps the widths it was
    // drawn for.
    constexpr int kPadding = 4, kCellPadding = 12, kDrillWidth = 52, kIdleWidth = 92, kTrendWidth = 64;
    QHeaderView* header = Table->horizontalHeader();
    const QFontMetrics headerFont(header->font()), cellFont(Table->font());
    const auto widest = [](const QFontMetrics& metrics, const QString& text) {
        int width = 0;
        for (const QString& line : text.split(u'\n'))
            width = std::max(width, metrics.horizontalAdvance(line));
        return width;
    };
    for (int column = 0; column < Model->columnCount(); ++column) {
        if (column == ClassTableModel::kNameColumn)
            continue;
        const bool trend = column > ClassTableModel::kIdleColumn &&
                           (column - ClassTableModel::kFirstDrillColumn) % ClassTableModel::MeasureCount ==
                               ClassTableModel::Trend;
        int width = column == ClassTableModel::kIdleColumn ? kIdleWidth : trend ? kTrendWidth : kDrillWidth;
        width = std::max(width, widest(headerFont, Model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString()) + kPadding);
        if (column == ClassTableModel::kIdleColumn)
            width = std::max(width, widest(cellFont, IdleMark()) + kCellPadding);
        header->resizeSection(column, width);
    }
    keepNamesReadable();
}

void ClassView::keepNamesReadable() {
    // The names take the room the other columns leave, but never so little
    // that they cannot be read: then the table scrolls sideways instead.
    constexpr int kNameMinimum = 140;
    QHeaderView* header = Table->horizontalHeader();
    int others = 0;
    for (int column = 0; column < Model->columnCount(); ++column)
        if (column != ClassTableModel::kNameColumn)
            others += header->sectionSize(column);
    const bool room = Table->viewport()->width() - others >= kNameMinimum;
    header->setSectionResizeMode(ClassTableModel::kNameColumn, room ? QHeaderView::Stretch : QHeaderView::Interactive);
    if (!room)
        header->resizeSection(ClassTableModel::kNameColumn, kNameMinimum);
}

void ClassView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    keepNamesReadable();
}

QString ClassView::ClassName() const { return ClassBox->currentText(); }

QString ClassView::SelectedChild() const {
    const QModelIndex current = Table->selectionModel()->currentIndex();
    if (!current.isValid() || !Table->selectionModel()->isRowSelected(current.row(), {}))
        return {};
    return Model->ChildAt(SortedModel->mapToSource(current).row());
}

void ClassView::Reload() {
    const int generation = ++generation_;
    const QString className = ClassName();
    // The same object throughout: the window may be reading through it.
    history_->SetClassName(className);
    Roster->SetClassName(className);
    Facts->SetClassName(className);
    pending_ = 2;
    showNote();
    summaryProblem_.clear();
    rosterProblem_.clear();
    reader_.Summary(className, this, [this, generation](ServerAnswer<QList<ClassSummaryRow>> answer) {
        if (generation != generation_)
            return;
        emit Reached(answer.value.has_value(), answer.problem);
        if (answer.value)
            Model->SetRows(*answer.value);
        else
            summaryProblem_ = answer.problem;
        if (--pending_ == 0)
            showRows();
    });
    reader_.Roster(className, this, [this, generation](ServerAnswer<QStringList> answer) {
        if (generation != generation_)
            return;
        if (answer.value)
            Model->SetRoster(*answer.value);
        else
            rosterProblem_ = answer.problem;
        if (--pending_ == 0)
            showRows();
    });
    reader_.Computers(className, this, [this, generation](ServerAnswer<QList<ClassComputer>> answer) {
        if (generation != generation_)
            return;
        // A teacher who may not see the computers simply sees none.
        computers_ = answer.value;
        showComputers();
    });
}

void ClassView::showComputers() {
    const QString text =
        computers_ ? UnseenComputersText(*computers_, QDateTime::currentDateTimeUtc()) : QString();
    Computers->setText(text);
    Computers->setVisible(!text.isEmpty());
}

void ClassView::showRows() {
    history_->SetChildren(Model->Children());
    Roster->Show(Model->Roster(), Model->Unlisted());
    Facts->SetRows(Model->Rows());
    showNote();
    if (summaryProblem_.isEmpty())
        emit Loaded();
}

void ClassView::showNote() {
    if (pending_ > 0) {
        Note->setText(tr("読み込んでいます..."));
        return;
    }
    if (!summaryProblem_.isEmpty()) {
        Note->setText(tr("クラスの記録を読めませんでした: %1").arg(summaryProblem_));
        return;
    }
    QStringList lines;
    if (!rosterProblem_.isEmpty())
        lines << tr("名簿を読めませんでした: %1").arg(rosterProblem_);
    int idle = 0;
    for (const ClassChild& child : Model->Rows())
        idle += child.Idle();
    if (Model->rowCount() == 0)
        //: 「名簿を読み込む...」 is the button's own text
        lines << tr("このクラスの記録はまだありません。名簿は「名簿を読み込む...」で作れます。");
    else
        lines << tr("%1 人（%2: %3 人）。名前をダブルクリックすると、その子の記録（グラフ・表・"
                    "問題ごとのできぐあい）を見られます。時間は 分:秒、傾向の − は速くなったことを"
                    "表します。")
                     .arg(Model->rowCount())
                     .arg(IdleMark())
                     .arg(idle);
    Note->setText(lines.join(u'\n'));
}

void ClassView::ExportCsv() {
    FileDialogOptions options;
    //: File dialog filter: the name, then the pattern after "|"; keep the patterns
    options.filter = tr("CSV ファイル (*.csv)|*.csv");
    options.defaultExtension = QStringLiteral("csv");
    // A class name is the server's: no folder may come of it.
    QString className = ClassName();
    className.replace(u'/', u'_').replace(u'\\', u'_');
    //: The file name offered for the class table; %1 is the class
    options.fileName = tr("クラスの記録_%1.csv").arg(className);
    const std::optional<FileDialogChoice> choice = services_.dialogs.SaveFile(options);
    if (!choice)
        return;
    if (!WriteWholeFile(choice->path, ClassTableCsv(Model->Rows(), Model->Unlisted())))
        services_.messages.ShowError(tr("ファイル %1 に書き込めませんでした。").arg(choice->path));
}

void ClassView::chooseRow(const QModelIndex& index) {
    if (!index.isValid())
        return;
    const QModelIndex source = SortedModel->mapToSource(index);
    const QString child = Model->ChildAt(source.row());
    emit ChildChosen(child, ClassTableModel::DrillOf(source.column()));
}
