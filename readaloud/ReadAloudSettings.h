// Whether problems are read aloud, kept in a small file of its own under
// $XDG_CONFIG_HOME/vantel/ (readaloud.conf), never in vantel.ini. Off by default.
#pragma once

#include <QString>

class ReadAloudSettings {
public:
    // The file it keeps: $XDG_CONFIG_HOME/vantel/readaloud.conf, or under
    // ~/.config when XDG_CONFIG_HOME is unset or relative.
    static QString DefaultPath();

    explicit ReadAloudSettings(QString path = DefaultPath()) : path_(std::move(path)) {}

    const QString& Path() const { return path_; }
    bool Enabled() const;
    // Written at once and whole; a file that cannot be written is logged and
    // the choice lasts until the program ends.
    void SetEnabled(bool on);

private:
    QString path_;
};
