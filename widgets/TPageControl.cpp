#include "widgets/TPageControl.h"

TPageControl::TPageControl(int tabHeight, QWidget* parent) : QTabWidget(parent) {
    setTabBar(new FixedHeightTabBar(tabHeight, this));
}
