// The program as a whole: application object, services, main window, event
// loop. main() runs it; the start-up benchmark runs it with a hook.
#pragma once

#include <functional>

class QWidget;

// Runs Vantel until its main window has closed. afterShow, when given, is
// called with the main window once it has been shown.
int RunVantel(int argc, char* argv[], const std::function<void(QWidget*)>& afterShow = {});
