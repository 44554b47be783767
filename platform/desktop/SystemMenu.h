// The window's system menu, as far as the program uses it: its Close command
// can be greyed. While greyed, a close request from the title bar or the
// window manager is refused; the program's own exit still closes the window.
#pragma once

class SystemMenu {
public:
    bool CloseEnabled() const { return closeEnabled_; }
    void EnableClose(bool enabled) { closeEnabled_ = enabled; }

private:
    bool closeEnabled_ = true;
};
