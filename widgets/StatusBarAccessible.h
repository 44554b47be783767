// What a screen reader sees of a TStatusBar: a status bar whose panels are
// static texts, each named by what it shows ("たしざん 今回のタイム") and
// valued by its text ("01:23"), which is also its text in the bar's language.
#pragma once

#include <QAccessibleWidget>
#include <QHash>

class TStatusBar;

class StatusBarAccessible : public QAccessibleWidget {
public:
    explicit StatusBarAccessible(TStatusBar* bar);
    ~StatusBarAccessible() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

    TStatusBar* bar() const;

private:
    mutable QHash<int, QAccessible::Id> panels_;
};

// Reports a changed panel text, where assistive technology listens.
void NotifyStatusPanelChanged(TStatusBar* bar, int index);
