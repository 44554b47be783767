#include "widgets/StatusBarAccessible.h"

#include "widgets/AccessibleText.h"
#include "widgets/TStatusBar.h"

#include <QPointer>
#include <QWindow>

namespace {
// A panel: named by what it times, its text the time or the date.
class StatusPanelAccessible : public QAccessibleInterface, public PlainTextAccessible {
public:
    StatusPanelAccessible(TStatusBar* bar, int index) : bar_(bar), index_(index), reported_(plainText()) {}

    bool isValid() const override { return bar_ && index_ < bar_->PanelCount(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return bar_ ? bar_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(bar_); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface*>(this) : nullptr;
    }

    QString text(QAccessible::Text t) const override {
        if (!isValid())
            return {};
        if (t == QAccessible::Name) {
            // A panel nobody named is known by what it shows.
            const QString name = bar_->PanelName(index_);
            return name.isEmpty() ? bar_->PanelText(index_) : name;
        }
        if (t == QAccessible::Value)
            return bar_->PanelText(index_);
        return {};
    }
    using PlainTextAccessible::text;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid())
            return {};
        const QRect panel = bar_->PanelRect(index_);
        return QRect(bar_->mapToGlobal(panel.topLeft()), panel.size());
    }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override {
        QAccessible::State st;
        st.readOnly = true;
        if (!isValid())
            st.invalid = true;
        else if (!bar_->isVisible())
            st.invisible = true;
        return st;
    }

    int index() const { return index_; }
    // The text last told to assistive technology, replaced by the text now.
    QString takeReported() { return std::exchange(reported_, plainText()); }

protected:
    QString plainText() const override { return isValid() ? bar_->PanelText(index_) : QString(); }
    const QWidget* textOwner() const override { return bar_; }

private:
    QPointer<TStatusBar> bar_;
    int index_;
    QString reported_;
};
} // namespace

StatusBarAccessible::StatusBarAccessible(TStatusBar* bar) : QAccessibleWidget(bar, QAccessible::StatusBar) {}

StatusBarAccessible::~StatusBarAccessible() {
    for (QAccessible::Id id : std::as_const(panels_))
        QAccessible::deleteAccessibleInterface(id);
}

TStatusBar* StatusBarAccessible::bar() const { return static_cast<TStatusBar*>(widget()); }

int StatusBarAccessible::childCount() const { return bar()->PanelCount(); }

QAccessibleInterface* StatusBarAccessible::child(int index) const {
    if (index < 0 || index >= childCount())
        return nullptr;
    if (const auto found = panels_.constFind(index); found != panels_.cend())
        return QAccessible::accessibleInterface(*found);
    auto* panel = new StatusPanelAccessible(bar(), index);
    panels_.insert(index, QAccessible::registerAccessibleInterface(panel));
    return panel;
}

int StatusBarAccessible::indexOfChild(const QAccessibleInterface* child) const {
    for (auto it = panels_.cbegin(); it != panels_.cend(); ++it)
        if (QAccessible::accessibleInterface(it.value()) == child)
            return it.key();
    return -1;
}

QAccessibleInterface* StatusBarAccessible::childAt(int x, int y) const {
    const QPoint local = bar()->mapFromGlobal(QPoint(x, y));
    for (int i = 0; i < childCount(); ++i)
        if (bar()->PanelRect(i).contains(local))
            return child(i);
    return nullptr;
}

void NotifyStatusPanelChanged(TStatusBar* bar, int index) {
    if (!QAccessible::isActive())
        return;
    auto* iface = dynamic_cast<StatusBarAccessible*>(QAccessible::queryAccessibleInterface(bar));
    auto* panel = iface ? static_cast<StatusPanelAccessible*>(iface->child(index)) : nullptr;
    if (!panel)
        return;
    // Its text changes, not a value: a panel has no value to set.
    const QString before = panel->takeReported();
    NotifyTextChanged(panel, before, bar->PanelText(index));
}
