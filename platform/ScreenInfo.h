// The size and logical resolution of the screen the windows stand on.
#pragma once

#include <QSize>

class ScreenInfo {
public:
    virtual ~ScreenInfo() = default;
    virtual QSize ScreenSize() = 0;
    virtual int LogicalDpi() = 0;
};
