#include "platform/desktop/ScreenInfoPrimary.h"

#include <QGuiApplication>
#include <QScreen>

namespace {
constexpr int kReferenceDpi = 96; // what the layout was drawn for
}

QSize PrimaryScreenInfo::ScreenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize(1024, 768);
}

int PrimaryScreenInfo::LogicalDpi() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? qRound(screen->logicalDotsPerInch()) : kReferenceDpi;
}
