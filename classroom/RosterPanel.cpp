#include "classroom/RosterPanel.h"

#include "classroom/RosterImport.h"
#include "classroom/RosterQuestions.h"
#include "platform/desktop/FileDialogs.h"
#include "platform/desktop/MessageBoxes.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

CheckedName CheckRosterName(const QString& typed, const QStringList& roster) {
    const QString name = typed.trimmed();
    if (name.isEmpty())
        return {{}, RosterPanel::tr("名前が空です。")};
    if (name.size() > kRosterNameMaxLength)
        return {{}, RosterPanel::tr("名前が長すぎます（%1 文字まで）。").arg(kRosterNameMaxLength)};
    if (std::any_of(name.begin(), name.end(), [](QChar c) { return c.category() == QChar::Other_Control; }))
        return {{}, RosterPanel::tr("名前に使えない文字があります。")};
    if (roster.contains(name))
        return {{}, RosterPanel::tr("「%1」はもう名簿にあります。").arg(name)};
    return {name, {}};
}

RosterPanel::RosterPanel(ClassReader& reader, FileDialogs& dialogs, MessageBoxes& messages, QWidget* parent)
    : QWidget(parent), reader_(reader), dialogs_(dialogs), messages_(messages),
      questions_(std::make_unique<DialogRosterQuestions>()) {
    setObjectName(QStringLiteral("RosterPanel"));
    ImportButton = new QPushButton;
    AddButton = new QPushButton;
    RenameButton = new QPushButton;
    RemoveButton = new QPushButton;
    UnlistedTitle = new QLabel;
    UnlistedList = new QListWidget;
    UnlistedList->setObjectName(QStringLiteral("UnlistedNames"));
    UnlistedList->setMaximumHeight(72); // a few names; the table needs the room
    JoinButton = new QPushButton;

    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(0, 0, 0, 0);
    for (QPushButton* button : {ImportButton, AddButton, RenameButton, RemoveButton})
        buttons->addWidget(button);
    buttons->addStretch();
    auto* unlisted = new QHBoxLayout;
    unlisted->setContentsMargins(0, 0, 0, 0);
    unlisted->addWidget(UnlistedList, 1);
    unlisted->addWidget(JoinButton, 0, Qt::AlignTop);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(buttons);
    layout->addWidget(UnlistedTitle);
    layout->addLayout(unlisted);

    retranslate();
    connect(ImportButton, &QPushButton::clicked, this, &RosterPanel::Import);
    connect(AddButton, &QPushButton::clicked, this, &RosterPanel::AddName);
    connect(RenameButton, &QPushButton::clicked, this, &RosterPanel::RenameSelected);
    connect(RemoveButton, &QPushButton::clicked, this, &RosterPanel::RemoveSelected);
    connect(JoinButton, &QPushButton::clicked, this, &RosterPanel::JoinUnlisted);
    connect(UnlistedList, &QListWidget::itemActivated, this, &RosterPanel::JoinUnlisted);
    Show({}, {});
}

RosterPanel::~RosterPanel() = default;

void RosterPanel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void RosterPanel::retranslate() {
    ImportButton->setText(tr("名簿を読み込む..."));
    AddButton->setText(tr("名前を加える..."));
    RenameButton->setText(tr("名前を変える..."));
    RemoveButton->setText(tr("名簿から外す..."));
    JoinButton->setText(tr("名簿の名前にまとめる..."));
    showUnlisted();
}

void RosterPanel::SetQuestions(std::unique_ptr<RosterQuestions> questions) {
    questions_ = std::move(questions);
}

void RosterPanel::Show(const QStringList& roster, const QList<ClassChild>& unlisted) {
    roster_ = roster;
    unlisted_ = unlisted;
    UnlistedList->clear();
    for (const ClassChild& child : unlisted) {
        auto* item = new QListWidgetItem(UnlistedList);
        item->setData(Qt::UserRole, child.name);
    }
    showUnlisted();
    // Without a list every name is "unlisted": the group means something only once there is one.
    const bool apart = !roster.isEmpty() && !unlisted.isEmpty();
    for (QWidget* widget : std::initializer_list<QWidget*>{UnlistedTitle, UnlistedList, JoinButton})
        widget->setVisible(apart);
    RenameButton->setEnabled(!roster.isEmpty());
    RemoveButton->setEnabled(!roster.isEmpty());
}

void RosterPanel::showUnlisted() {
    //: The title over the names of attempts not on the class list; %1 is how many
    UnlistedTitle->setText(
        tr("名簿にない名前（%1）: 名簿の名前の子の記録なら、まとめられます").arg(unlisted_.size()));
    for (int i = 0; i < UnlistedList->count() && i < unlisted_.size(); ++i) {
        const ClassChild& child = unlisted_[i];
        //: A name not on the class list and how many attempts it has
        UnlistedList->item(i)->setText(tr("%1　（%2 回）").arg(ChildLabel(child.name)).arg(child.Attempts()));
    }
}

void RosterPanel::failed(const QString& what, const QString& problem) {
    messages_.ShowError(what + QStringLiteral("\n") + problem);
}

void RosterPanel::Import() {
    FileDialogOptions options;
    //: File dialog filters: each name, then its patterns after "|"; keep the patterns
    options.filter = tr("名簿（テキスト・CSV） (*.txt *.csv)|*.txt;*.csv|すべてのファイル (*)|*");
    const std::optional<FileDialogChoice> choice = dialogs_.OpenFile(options);
    if (!choice)
        return;
    QFile file(choice->path);
    if (!file.open(QIODevice::ReadOnly)) {
        messages_.ShowError(tr("ファイル %1 を開けませんでした。").arg(choice->path));
        return;
    }
    // One byte past the bound is enough to tell the file is too big.
    const RosterImport read = ReadRoster(file.read(kRosterMaxBytes + 1));
    if (read.names.isEmpty()) {
        messages_.ShowError(
            tr("%1 から名前を読めませんでした。\n%2").arg(choice->path, read.problems.join(u'\n')));
        return;
    }
    addNames(read.names, read.problems);
}

void RosterPanel::addNames(const QStringList& names, const QStringList& skipped) {
    reader_.AddToRoster(className_, names, this, [this, names, skipped](ServerAnswer<int> answer) {
        if (!answer.value) {
            failed(tr("名簿に名前を加えられませんでした。"), answer.problem);
            return;
        }
        QString text = tr("%1 人を名簿に加えました。").arg(*answer.value);
        if (*answer.value < names.size())
            //: After "%1 people were added to the class list."
            text += tr("（%1 人はもう名簿にありました）").arg(names.size() - *answer.value);
        if (!skipped.isEmpty())
            text += tr("\n\n読み込まなかった行:\n%1").arg(skipped.join(u'\n'));
        if (names.size() > 1 || !skipped.isEmpty())
            messages_.ShowMessage(text);
        emit Changed();
    });
}

void RosterPanel::AddName() {
    const std::optional<QString> typed =
        questions_->AskName(this, tr("名前を加える"), tr("名簿に加える名前:"), {});
    if (!typed)
        return;
    const CheckedName checked = CheckRosterName(*typed, roster_);
    if (!checked.problem.isEmpty()) {
        messages_.ShowError(checked.problem);
        return;
    }
    addNames({checked.name}, {});
}

void RosterPanel::RenameSelected() {
    const QString from = selected_ ? selected_() : QString();
    if (from.isEmpty() || !roster_.contains(from)) {
        messages_.ShowMessage(tr("名前を変える子を、表で選んでください。"));
        return;
    }
    const std::optional<QString> typed =
        questions_->AskName(this, tr("名前を変える"), tr("「%1」の新しい名前:").arg(from), from);
    if (!typed || typed->trimmed() == from)
        return;
    const CheckedName to = CheckRosterName(*typed, roster_);
    if (!to.problem.isEmpty()) {
        messages_.ShowError(to.problem);
        return;
    }
    if (!questions_->Confirm(this, tr("名前を変える"),
                             tr("「%1」を「%2」に変えます。\n"
                                "「%1」のこれまでの記録も、すべて「%2」の記録になります。")
                                 .arg(from, to.name)))
        return;
    reader_.RenameChild(className_, from, to.name, this, [this, from, to](ServerAnswer<qint64> answer) {
        if (!answer.value) {
            failed(tr("「%1」の名前を変えられませんでした。").arg(from), answer.problem);
            return;
        }
        emit Changed();
    });
}

void RosterPanel::RemoveSelected() {
    const QString name = selected_ ? selected_() : QString();
    if (name.isEmpty() || !roster_.contains(name)) {
        messages_.ShowMessage(tr("名簿から外す子を、表で選んでください。"));
        return;
    }
    if (!questions_->Confirm(this, tr("名簿から外す"),
                             tr("「%1」を名簿から外します。\n記録は消えずに残ります。").arg(name)))
        return;
    reader_.RemoveFromRoster(className_, name, this, [this, name](ServerAnswer<bool> answer) {
        if (!answer.value) {
            failed(tr("「%1」を名簿から外せませんでした。").arg(name), answer.problem);
            return;
        }
        emit Changed();
    });
}

void RosterPanel::JoinUnlisted() {
    QListWidgetItem* item = UnlistedList->currentItem();
    if (!item) {
        messages_.ShowMessage(tr("まとめる名前を「名簿にない名前」から選んでください。"));
        return;
    }
    const QString from = item->data(Qt::UserRole).toString();
    const std::optional<QString> to =
        questions_->ChooseName(this, tr("名簿の名前にまとめる"),
                               tr("「%1」の記録をまとめる名簿の名前:").arg(ChildLabel(from)), roster_);
    if (!to || !roster_.contains(*to))
        return;
    const auto found = std::find_if(unlisted_.begin(), unlisted_.end(),
                                    [&](const ClassChild& child) { return child.name == from; });
    const qint64 attempts = found != unlisted_.end() ? found->Attempts() : 0;
    if (!questions_->Confirm(
            this, tr("名簿の名前にまとめる"),
            tr("「%1」の記録 %2 回を「%3」の記録にします。").arg(ChildLabel(from)).arg(attempts).arg(*to)))
        return;
    reader_.RenameChild(className_, from, *to, this, [this, from](ServerAnswer<qint64> answer) {
        if (!answer.value) {
            failed(tr("「%1」の記録をまとめられませんでした。").arg(ChildLabel(from)), answer.problem);
            return;
        }
        emit Changed();
    });
}
