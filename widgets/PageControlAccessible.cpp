#include "widgets/PageControlAccessible.h"

#include "widgets/TPageControl.h"

#include <QTabBar>

namespace {
// A page, whose parent is the page control rather than Qt's stack.
class TabSheetAccessible : public QAccessibleWidget {
public:
    explicit TabSheetAccessible(QWidget* page) : QAccessibleWidget(page) {}

    QAccessibleInterface* parent() const override {
        for (QWidget* up = widget()->parentWidget(); up; up = up->parentWidget())
            if (qobject_cast<TPageControl*>(up))
                return QAccessible::queryAccessibleInterface(up);
        return QAccessibleWidget::parent();
    }
};
} // namespace

PageControlAccessible::PageControlAccessible(TPageControl* control) : QAccessibleWidget(control) {}

TPageControl* PageControlAccessible::control() const { return static_cast<TPageControl*>(widget()); }

int PageControlAccessible::childCount() const { return control()->count() + 1; }

QAccessibleInterface* PageControlAccessible::child(int index) const {
    if (index >= 0 && index < control()->count())
        return QAccessible::queryAccessibleInterface(control()->widget(index));
    if (index == control()->count())
        return QAccessible::queryAccessibleInterface(control()->tabBar());
    return nullptr;
}

int PageControlAccessible::indexOfChild(const QAccessibleInterface* child) const {
    if (!child || !child->object())
        return -1;
    if (child->object() == control()->tabBar())
        return control()->count();
    return control()->indexOf(qobject_cast<QWidget*>(child->object()));
}

QAccessibleInterface* PageControlAccessibleFor(const QString& className, QObject* object) {
    if (className == QLatin1String("TPageControl"))
        return new PageControlAccessible(static_cast<TPageControl*>(object));
    if (className == QLatin1String("TTabSheet"))
        return new TabSheetAccessible(static_cast<QWidget*>(object));
    return nullptr;
}
