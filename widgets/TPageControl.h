// A tab control whose tabs have a fixed height, as the window layout gives it;
// its pages are TTabSheets, which screen readers meet as its children.
#pragma once

#include <QTabBar>
#include <QTabWidget>

class TPageControl : public QTabWidget {
    Q_OBJECT
public:
    explicit TPageControl(int tabHeight, QWidget* parent = nullptr);
};

// One page of a TPageControl.
class TTabSheet : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
};

class FixedHeightTabBar : public QTabBar {
    Q_OBJECT
public:
    FixedHeightTabBar(int height, QWidget* parent) : QTabBar(parent), height_(height) {}

protected:
    QSize tabSizeHint(int index) const override { return {QTabBar::tabSizeHint(index).width(), height_}; }

private:
    int height_;
};
