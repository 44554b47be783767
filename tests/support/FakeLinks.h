// Test double of ShellLinks: keeps every link as the program built it.
#pragma once

#include "platform/desktop/ShellLinks.h"

#include <QStringList>

class FakeLinks : public ShellLinks {
public:
    bool OpenLink(const QString& link) override {
        links.append(link);
        return answer;
    }
    QStringList links;
    bool answer = true; // what the desktop says
};
