// What the class list asks the teacher: a name to type, a listed name to
// choose, a yes or no. Behind an interface so the tests can answer.
#pragma once

#include <QStringList>
#include <optional>

class QWidget;

class RosterQuestions {
public:
    virtual ~RosterQuestions() = default;
    // Nothing when cancelled.
    virtual std::optional<QString> AskName(QWidget* parent, const QString& title, const QString& label,
                                           const QString& text) = 0;
    virtual std::optional<QString> ChooseName(QWidget* parent, const QString& title, const QString& label,
                                              const QStringList& names) = 0;
    virtual bool Confirm(QWidget* parent, const QString& title, const QString& text) = 0;
};

// The dialogs themselves.
class DialogRosterQuestions : public RosterQuestions {
public:
    std::optional<QString> AskName(QWidget* parent, const QString& title, const QString& label,
                                   const QString& text) override;
    std::optional<QString> ChooseName(QWidget* parent, const QString& title, const QString& label,
                                      const QStringList& names) override;
    bool Confirm(QWidget* parent, const QString& title, const QString& text) override;
};
