// The size and logical resolution of the screen the windows stand on.
#pragma once

#include <QPoint>
#include <QSize>
#include <algorithm>

class ScreenInfo {
public:
    virtual ~ScreenInfo() = default;
    virtual QSize ScreenSize() = 0;
    virtual int LogicalDpi() = 0;
};

// A restored window is pulled back only at the right and bottom edges, so that
// 50 pixels of the screen stay right of and below its top-left corner;
// negative places stay as they are.
inline QPoint PulledOntoScreen(QPoint topLeft, QSize screen) {
    return {std::min(topLeft.x(), screen.width() - 50), std::min(topLeft.y(), screen.height() - 50)};
}
