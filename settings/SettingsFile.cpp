#include "settings/SettingsFile.h"

#include "core/VantelError.h"
#include "core/WholeFile.h"
#include "settings/ProfileText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <optional>
#include <utility>

namespace {
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(SettingsFile)
};

// A missing or unreadable file reads as an empty one: every value has its default.
std::optional<QString> storedValue(const QString& path, const std::optional<QByteArray>& pending,
                                   const QString& section, const QString& key) {
    const std::optional<QByteArray> bytes = pending ? pending : ReadWholeFile(path);
    if (!bytes)
        return std::nullopt;
    return ProfileValue(*bytes, section, key);
}

VantelError writeError(const QString& fullPath) {
    return VantelError(Texts::tr("%1 に書き込めません").arg(fullPath));
}
} // namespace

SettingsFile::SettingsFile(QString path) : path_(std::move(path)) {}


QString SettingsFile::ReadString(const QString& section, const QString& key,
                                 const QString& defaultValue) const {
    return storedValue(path_, pending_, section, key).value_or(defaultValue);
}

int SettingsFile::ReadInteger(const QString& section, const QString& key, int defaultValue) const {
    if (const auto text = storedValue(path_, pending_, section, key))
        return ParseProfileInteger(*text).value_or(defaultValue);
    return defaultValue;
}

bool SettingsFile::ReadBool(const QString& section, const QString& key, bool defaultValue) const {
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

QByteArray SettingsFile::currentBytes() const {
    const QString fullPath = QFileInfo(path_).absoluteFilePath();
    if (!QFileInfo::exists(fullPath))
        return QByteArray();
    // Replacing a file we cannot read would throw away every other setting.
    const std::optional<QByteArray> bytes = ReadWholeFile(fullPath);
    if (!bytes)
        throw writeError(fullPath);
    return *bytes;
}

void SettingsFile::WriteString(const QString& section, const QString& key, const QString& value) {
    if (pending_) {
        *pending_ = WithProfileValue(*pending_, section, key, value);
        return;
    }
    BeginUpdate();
    *pending_ = WithProfileValue(*pending_, section, key, value);
    Commit();
}

void SettingsFile::BeginUpdate() {
    if (!pending_)
        pending_ = currentBytes();
}

void SettingsFile::Commit() {
    if (!pending_)
        return;
    const QByteArray bytes = *std::exchange(pending_, std::nullopt);
    const QString fullPath = QFileInfo(path_).absoluteFilePath();
    QDir().mkpath(QFileInfo(fullPath).absolutePath());
    if (!WriteWholeFile(fullPath, bytes))
        throw writeError(fullPath);
}

void SettingsFile::WriteInteger(const QString& section, const QString& key, int value) {
    WriteString(section, key, QString::number(value));
}

void SettingsFile::WriteBool(const QString& section, const QString& key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}
