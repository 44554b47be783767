// The class list beside the class table: reading names from a file, adding,
// renaming and removing a name, and the names that came only from attempts
// ("名簿にない名前"), each of which can be joined to a listed name. Every
// change goes to the server; the table is read again when it is made.
#pragma once

#include "classroom/ClassTableModel.h"

#include <QWidget>
#include <functional>
#include <memory>

class FileDialogs;
class MessageBoxes;
class QLabel;
class QListWidget;
class QPushButton;
class RosterQuestions;

// A name the teacher typed: trimmed; empty with the reason in `problem` when it cannot be a child's name.
struct CheckedName {
    QString name;
    QString problem;
};
CheckedName CheckRosterName(const QString& typed, const QStringList& roster);

class RosterPanel : public QWidget {
    Q_OBJECT
public:
    RosterPanel(ClassReader& reader, FileDialogs& dialogs, MessageBoxes& messages, QWidget* parent = nullptr);
    ~RosterPanel() override;

    void SetClassName(const QString& className) { className_ = className; }
    // The listed names, and the names of attempts not on the list with their figures.
    void Show(const QStringList& roster, const QList<ClassChild>& unlisted);
    // The listed child chosen in the table, for renaming and removing.
    void SetSelectedChild(std::function<QString()> selected) { selected_ = std::move(selected); }
    void SetQuestions(std::unique_ptr<RosterQuestions> questions);

    void Import();
    void AddName();
    void RenameSelected();
    void RemoveSelected();
    void JoinUnlisted();

    QPushButton* ImportButton;
    QPushButton* AddButton;
    QPushButton* RenameButton;
    QPushButton* RemoveButton;
    QLabel* UnlistedTitle;
    QListWidget* UnlistedList;
    QPushButton* JoinButton;

signals:
    // The list or the names of attempts changed on the server.
    void Changed();

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    // The unlisted names and their title, in the language chosen.
    void showUnlisted();
    void failed(const QString& what, const QString& problem);
    void addNames(const QStringList& names, const QStringList& skipped);

    ClassReader& reader_;
    FileDialogs& dialogs_;
    MessageBoxes& messages_;
    std::unique_ptr<RosterQuestions> questions_;
    std::function<QString()> selected_;
    QString className_;
    QStringList roster_;
    QList<ClassChild> unlisted_;
};
