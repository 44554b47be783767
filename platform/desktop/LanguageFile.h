// The language chosen from the menu, kept in a small file of its own,
// $XDG_CONFIG_HOME/vantel/language.conf, never in vantel.ini: a classroom
// computer shared by children of several languages keeps each login's choice.
#pragma once

#include <QString>
#include <QStringList>

class LanguageFile {
public:
    // $XDG_CONFIG_HOME/vantel/language.conf, or under ~/.config when
    // XDG_CONFIG_HOME is unset or relative.
    static QString DefaultPath();

    explicit LanguageFile(QString path = DefaultPath()) : path_(std::move(path)) {}

    const QString& Path() const { return path_; }
    // The saved code when it is one of codes; an empty string when there is
    // no file, or it cannot be read, or it names something else (logged).
    QString Read(const QStringList& codes) const;
    // Written at once and whole; false, after logging, when it cannot be.
    bool Write(const QString& code) const;

private:
    QString path_;
};
