#include "widgets/TPageControl.h"

#include "widgets/StringGridAccessible.h"

TPageControl::TPageControl(int tabHeight, QWidget* parent) : QTabWidget(parent) {
    InstallWidgetAccessibility();
    setTabBar(new FixedHeightTabBar(tabHeight, this));
}
