// A tooltip that shows a text exactly as it is. Qt takes a tooltip that looks
// like markup for rich text, so a child's name such as "<b>" or "<img src=…>"
// would be drawn or fetched; escaped inside markup of our own it is only text.
#pragma once

#include <QString>

inline QString PlainToolTip(const QString& text) {
    if (text.isEmpty())
        return {};
    return QStringLiteral("<p style='white-space:pre-wrap'>") + text.toHtmlEscaped() + QStringLiteral("</p>");
}
