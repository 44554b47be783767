// The real ScreenInfo: the desktop's primary screen.
#pragma once

#include "platform/ScreenInfo.h"

class PrimaryScreenInfo : public ScreenInfo {
public:
    QSize ScreenSize() override;
    int LogicalDpi() override;
};
