#include "classroom/ClassView.h"

#include "classroom/ClassTableModel.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>

ClassView::ClassView(ClassReader& reader, const QStringList& classes, QWidget* parent)
    : QWidget(parent), reader_(reader) {
    setObjectName(QStringLiteral("ClassView"));
    ClassBox = new QComboBox;
    ClassBox->addItems(classes);
    ReloadButton = new QPushButton(QStringLiteral("読み直す"));
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
    // Sixteen narrow columns fit the window beside the names; the drills' groups alternate in shade.
    Table->horizontalHeader()->setMinimumSectionSize(40);
    Table->horizontalHeader()->setDefaultSectionSize(58);
    Table->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    Table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    Table->setAlternatingRowColors(false);
    Computers = new QLabel;
    Computers->setObjectName(QStringLiteral("UnseenComputers"));
    Computers->setTextFormat(Qt::PlainText); // seats come from the server
    Computers->setWordWrap(true);
    Computers->hide();
    Note = new QLabel;
    Note->setTextFormat(Qt::PlainText);
    Note->setWordWrap(true);

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("クラス:")));
    top->addWidget(ClassBox);
    top->addWidget(ReloadButton);
    top->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(top);
    layout->addWidget(Table, 1);
    layout->addWidget(Computers);
    layout->addWidget(Note);

    history_ = std::make_unique<ServerHistory>(reader_, ClassName());
    connect(ClassBox, &QComboBox::currentIndexChanged, this, &ClassView::Reload);
    connect(ReloadButton, &QPushButton::clicked, this, &ClassView::Reload);
    // A double click or Enter on a child; the drill is the column's.
    connect(Table, &QTableView::activated, this, &ClassView::chooseRow);
    Reload();
}

QString ClassView::ClassName() const { return ClassBox->currentText(); }

void ClassView::Reload() {
    const int generation = ++generation_;
    const QString className = ClassName();
    // The same object throughout: the window may be reading through it.
    history_->SetClassName(className);
    Note->setText(QStringLiteral("読み込んでいます..."));
    reader_.Summary(className, this, [this, generation](ServerAnswer<QList<ClassSummaryRow>> answer) {
        if (generation != generation_)
            return;
        emit Reached(answer.value.has_value(), answer.problem);
        if (!answer.value) {
            Note->setText(QStringLiteral("クラスの記録を読めませんでした: ") + answer.problem);
            return;
        }
        Model->SetRows(*answer.value);
        history_->SetChildren(Model->Children());
        Note->setText(
            Model->rowCount() == 0
                ? QStringLiteral("このクラスの記録はまだありません。")
                : QStringLiteral(
                      "%1 人。名前をダブルクリックすると、その子の記録（グラフ・表・問題ごとの"
                      "できぐあい）を見られます。時間は 分:秒、傾向の − は速くなったことを表します。")
                      .arg(Model->rowCount()));
        emit Loaded();
    });
    reader_.Computers(className, this, [this, generation](ServerAnswer<QList<ClassComputer>> answer) {
        if (generation != generation_)
            return;
        // A teacher who may not see the computers simply sees none.
        const QString text =
            answer.value ? UnseenComputersText(*answer.value, QDateTime::currentDateTimeUtc()) : QString();
        Computers->setText(text);
        Computers->setVisible(!text.isEmpty());
    });
}

void ClassView::chooseRow(const QModelIndex& index) {
    if (!index.isValid())
        return;
    const QModelIndex source = SortedModel->mapToSource(index);
    const QString child = Model->ChildAt(source.row());
    emit ChildChosen(child, ClassTableModel::DrillOf(source.column()));
}
