// Hands a "mailto:" link or a web address to the desktop. Nothing waits on it.
#pragma once

#include <QString>

class ShellLinks {
public:
    virtual ~ShellLinks() = default;
    // False where the desktop has no program for the link.
    virtual bool OpenLink(const QString& link) = 0;
};
