// SettingsFile: the program's INI file. Each operation that needs a setting
// makes one, reads or writes, and lets it go; nothing is cached between
// operations. Section and key names match without regard to case; text is
// code page 932; every write reaches the disk before it returns, replacing
// the file whole, and a failed write raises "%s に書き込めません".
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

class SettingsFile {
public:
    // The program's own file is at DefaultSettingsPath().
    explicit SettingsFile(QString path);

    const QString& Path() const { return path_; }

    QString ReadString(const QString& section, const QString& key, const QString& defaultValue) const;
    int ReadInteger(const QString& section, const QString& key, int defaultValue) const;
    bool ReadBool(const QString& section, const QString& key, bool defaultValue) const;

    void WriteString(const QString& section, const QString& key, const QString& value);
    void WriteInteger(const QString& section, const QString& key, int value);
    void WriteBool(const QString& section, const QString& key, bool value);

    // From BeginUpdate to Commit, writes are collected and then replace the
    // file in one step, so a crash or a failed write leaves all the old
    // values or all the new ones, never some of each. Reads see the
    // collected values.
    void BeginUpdate();
    void Commit();

private:
    QByteArray currentBytes() const;

    QString path_;
    std::optional<QByteArray> pending_;
};

// The executable's path with its extension replaced by ".ini"; when that
// folder cannot be written, or the program is installed,
// $XDG_CONFIG_HOME/vantel/vantel.ini.
QString DefaultSettingsPath();
// The path rule itself, given what it depends on: ".ini" replaces the
// executable's extension or is appended when there is none; an unset, empty
// or relative xdgConfigHome stands for home + "/.config".
QString SettingsPathFor(const QString& executablePath, bool folderWritable, const QString& xdgConfigHome,
                        const QString& home, bool installed = false);
// Whether a program in this folder is installed: its data sits in
// <prefix>/share/vantel beside <prefix>/bin.
bool IsInstalledLayout(const QString& executableFolder);
