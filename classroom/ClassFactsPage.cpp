#include "classroom/ClassFactsPage.h"

#include "classroom/ClassWorksheetRun.h"
#include "core/VantelError.h"
#include "platform/desktop/Clock.h"
#include "platform/desktop/MessageBoxes.h"
#include "progress/FactMapView.h"
#include "progress/WeakFactSheet.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QLabel>
#include <QPushButton>
#include <QToolTip>
#include <QVBoxLayout>

ClassFactsPage::ClassFactsPage(ClassReader& reader, ProgressServices services, QWidget* parent)
    : QWidget(parent), reader_(reader), services_(services) {
    setObjectName(QStringLiteral("ClassFactsPage"));
    DrillBox = new QComboBox;
    DrillBox->setObjectName(QStringLiteral("ClassDrillBox"));
    for (DrillKind drill :
         {DrillKind::Addition, DrillKind::Subtraction, DrillKind::Multiplication, DrillKind::Kuku})
        DrillBox->addItem(DrillLabel(drill), int(drill));
    RangeBox = new QComboBox;
    RangeBox->setObjectName(QStringLiteral("ClassRangeBox"));
    RangeBox->addItems({QString(), QString(), QString()});
    // Both grow with their texts when the language changes.
    DrillBox->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    RangeBox->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    ClassSheetButton = new QPushButton;
    EveryoneButton = new QPushButton;
    FactMap = new FactMapView;
    FactMap->installEventFilter(this);
    Legend = new QLabel;
    Legend->setWordWrap(true);
    Note = new QLabel;
    Note->setObjectName(QStringLiteral("ClassFactsNote"));
    Note->setTextFormat(Qt::PlainText);
    Note->setWordWrap(true);

    auto* top = new QHBoxLayout;
    drillLabel_ = new QLabel;
    rangeLabel_ = new QLabel;
    top->addWidget(drillLabel_);
    top->addWidget(DrillBox);
    top->addWidget(rangeLabel_);
    top->addWidget(RangeBox);
    top->addStretch();
    top->addWidget(ClassSheetButton);
    top->addWidget(EveryoneButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(FactMap, 1);
    layout->addWidget(Legend);
    layout->addWidget(Note);

    retranslate();
    connect(DrillBox, &QComboBox::currentIndexChanged, this, &ClassFactsPage::Reload);
    connect(RangeBox, &QComboBox::currentIndexChanged, this, &ClassFactsPage::Reload);
    connect(ClassSheetButton, &QPushButton::clicked, this, &ClassFactsPage::PrintClassSheet);
    connect(EveryoneButton, &QPushButton::clicked, this, &ClassFactsPage::PrintEveryone);
}

void ClassFactsPage::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void ClassFactsPage::retranslate() {
    drillLabel_->setText(tr("ドリル:"));
    rangeLabel_->setText(tr("期間:"));
    for (int i = 0; i < DrillBox->count(); ++i)
        DrillBox->setItemText(i, DrillLabel(DrillKind(DrillBox->itemData(i).toInt())));
    const QString ranges[] = {tr("最近30日"), tr("最近90日"), tr("すべて")};
    for (int i = 0; i < RangeBox->count(); ++i)
        RangeBox->setItemText(i, ranges[i]);
    ClassSheetButton->setText(tr("クラスの苦手プリント"));
    ClassSheetButton->setToolTip(tr("クラスでまちがいの多い問題のプリント（答えのページつき）"));
    EveryoneButton->setText(tr("全員の苦手プリント"));
    EveryoneButton->setToolTip(
        tr("このドリルを練習した子の一人ずつの苦手プリントを、まとめて印刷します（答えのページつき）"));
    Legend->setText(
        tr("色はクラス全体のできぐあいです（緑: よくできている　黄: ときどきまちがえる・時間がかかる　"
           "赤: まちがえる子が多い　灰: "
           "まだ記録なし）。ますの数字は、その問題をまちがえたことのある子の人数です。ますにマウスを置くと、"
           "まちがいの回数と、クラスの答えるまでの時間（中央値）が出ます。"));
    showNote();
}

void ClassFactsPage::showNote() {
    if (loading_)
        Note->setText(tr("読み込んでいます..."));
    else if (!problem_.isEmpty())
        Note->setText(tr("クラスの問題ごとの記録を読めませんでした: %1").arg(problem_));
    else if (facts_.children == 0)
        Note->setText(answered_ ? tr("この期間に %1 の記録はありません。").arg(DrillLabel(Drill()))
                                : QString());
    else
        Note->setText(tr("%1 人の記録から。").arg(facts_.children));
}

void ClassFactsPage::SetClassName(const QString& className) {
    className_ = className;
    Reload();
}

DrillKind ClassFactsPage::Drill() const { return DrillKind(DrillBox->currentData().toInt()); }

QDateTime ClassFactsPage::Since() const {
    const QDateTime now = services_.clock.Now().toUTC();
    switch (RangeBox->currentIndex()) {
    case 0:
        return now.addDays(-30);
    case 1:
        return now.addDays(-90);
    default:
        return {};
    }
}

void ClassFactsPage::Reload() {
    stale_ = true;
    if (isVisible())
        read();
}

void ClassFactsPage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (stale_)
        read();
}

void ClassFactsPage::read() {
    stale_ = false;
    const int generation = ++generation_;
    const DrillKind drill = Drill();
    loading_ = true;
    problem_.clear();
    showNote();
    ClassSheetButton->setEnabled(false);
    reader_.ClassFacts(className_, drill, Since(), this, [this, generation](ServerAnswer<ClassFacts> answer) {
        if (generation != generation_)
            return;
        loading_ = false;
        answered_ = true;
        if (!answer.value) {
            problem_ = answer.problem;
            showNote();
            return;
        }
        facts_ = *answer.value;
        FactMap->SetStats(FactStatsFromClassFacts(facts_));
        ClassSheetButton->setEnabled(facts_.children > 0);
        showNote();
        emit Loaded();
    });
}

QString ClassFactsPage::ToolTipOf(const FactStat& stat) const {
    const DrillKind drill = FactMap->Stats().drill;
    QStringList lines{FactText(drill, stat.fact) + QStringLiteral(" = %1").arg(FactAnswer(drill, stat.fact))};
    const auto row = std::find_if(facts_.rows.begin(), facts_.rows.end(), [&](const ClassFactRow& r) {
        return r.top == stat.fact.top && r.left == stat.fact.left;
    });
    if (row == facts_.rows.end() || row->tries == 0)
        return (lines << tr("まだ記録がありません")).join(u'\n');
    lines << tr("まちがえた子 %1 人 / 練習した子 %2 人").arg(row->childrenMissing).arg(row->children);
    lines << tr("まちがい %1 / %2 回（%3%）")
                 .arg(row->wrong)
                 .arg(row->tries)
                 .arg(qRound(100.0 * double(row->wrong) / double(row->tries)));
    if (row->medianMs >= 0)
        lines << tr("クラスの答えるまでの時間（中央値） %1 秒").arg(row->medianMs / 1000.0, 0, 'f', 1);
    return lines.join(u'\n');
}

bool ClassFactsPage::eventFilter(QObject* watched, QEvent* event) {
    // The map's own tip counts one child's answers; the class's tells children apart.
    if (watched == FactMap && event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        if (const FactStat* stat = FactMap->StatAt(help->pos()))
            QToolTip::showText(help->globalPos(), ToolTipOf(*stat), FactMap);
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

QStringList ClassFactsPage::ChildrenWithAttempts() const {
    QStringList children;
    for (const ClassChild& child : rows_)
        if (child.drills[int(Drill())] && child.drills[int(Drill())]->attempts > 0)
            children << child.name;
    return children;
}

void ClassFactsPage::PrintClassSheet() {
    const QList<Fact> facts =
        ChooseWorksheetFacts(FactMap->Stats(), kWeakSheetDefaultCount, services_.random);
    try {
        PrintWeakFactSheetCommand(services_.printerSetup, services_.printer, services_.namePanel,
                                  FactMap->Stats().drill, facts, className_);
    } catch (const VantelError& error) {
        services_.messages.ShowError(error.Message());
    }
}

void ClassFactsPage::PrintEveryone() {
    if (running_)
        return;
    const QStringList children = ChildrenWithAttempts();
    if (children.isEmpty()) {
        services_.messages.ShowMessage(
            tr("%1 を練習した子がまだいないので、印刷するものがありません。").arg(DrillLabel(Drill())));
        return;
    }
    running_ = true;
    EveryoneButton->setEnabled(false);
    ClassWorksheetRun::Start(reader_, className_, children, Drill(), Since(), services_.random, this,
                             [this](std::optional<QList<ChildWorksheet>> sheets, const QString& problem) {
                                 running_ = false;
                                 EveryoneButton->setEnabled(true);
                                 if (!problem.isEmpty()) {
                                     services_.messages.ShowError(
                                         tr("記録を読めなかったため、印刷しませんでした。\n%1").arg(problem));
                                     return;
                                 }
                                 if (!sheets)
                                     return;
                                 try {
                                     PrintWeakFactRun(this, services_.printerSetup, services_.printer,
                                                      services_.namePanel, *sheets);
                                 } catch (const VantelError& error) {
                                     services_.messages.ShowError(error.Message());
                                 }
                             });
}
