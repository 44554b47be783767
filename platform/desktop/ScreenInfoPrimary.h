// The real ScreenInfo: the desktop's primary screen.
#pragma once

#include "platform/desktop/ScreenInfo.h"

class PrimaryScreenInfo : public ScreenInfo {
public:
    QSize ScreenSize() override;
    int LogicalDpi() override;
};
