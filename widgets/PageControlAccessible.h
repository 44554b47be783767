// What a screen reader sees of a TPageControl: its pages and its tab bar,
// without the stack Qt keeps the pages in. That stack would be an unnamed
// "layered pane" said before every sheet a child enters.
#pragma once

#include <QAccessibleWidget>

class TPageControl;

class PageControlAccessible : public QAccessibleWidget {
public:
    explicit PageControlAccessible(TPageControl* control);

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

private:
    TPageControl* control() const;
};

// The interface of a TPageControl or of one of its TTabSheets, else null.
QAccessibleInterface* PageControlAccessibleFor(const QString& className, QObject* object);
