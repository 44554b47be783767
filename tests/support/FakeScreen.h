// Test double of ScreenInfo: a screen of a size and resolution the test sets.
#pragma once

#include "platform/desktop/ScreenInfo.h"

class FakeScreen : public ScreenInfo {
public:
    QSize ScreenSize() override { return size; }
    int LogicalDpi() override { return dpi; }
    QSize size{1024, 768};
    int dpi = 96;
};
