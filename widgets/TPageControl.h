// A tab control whose tabs have a fixed height, as the window layout gives it.
#pragma once

#include <QTabBar>
#include <QTabWidget>

class TPageControl : public QTabWidget {
    Q_OBJECT
public:
    explicit TPageControl(int tabHeight, QWidget* parent = nullptr);
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
