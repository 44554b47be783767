#include "platform/desktop/LanguageFile.h"

#include "core/Logging.h"

#include <QDir>
#include <QSettings>

namespace {
const QString kCodeKey = QStringLiteral("Language/code");
}

QString LanguageFile::DefaultPath() {
    // The XDG rule: a relative XDG_CONFIG_HOME is to be ignored.
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + QStringLiteral("/.config");
    return base + QStringLiteral("/vantel/language.conf");
}

QString LanguageFile::Read(const QStringList& codes) const {
    if (!QFileInfo::exists(path_))
        return {};
    const QSettings file(path_, QSettings::IniFormat);
    if (file.status() != QSettings::NoError) {
        qCWarning(lcDesktop) << "Cannot read the language from" << path_;
        return {};
    }
    const QString code = file.value(kCodeKey).toString().trimmed();
    if (!codes.contains(code)) {
        qCWarning(lcDesktop) << "No language" << code.left(40) << "to speak, as" << path_ << "asks";
        return {};
    }
    return code;
}

bool LanguageFile::Write(const QString& code) const {
    QDir().mkpath(QFileInfo(path_).absolutePath());
    QSettings file(path_, QSettings::IniFormat);
    file.clear(); // whatever a broken file held goes
    file.setValue(kCodeKey, code);
    file.sync();
    if (file.status() != QSettings::NoError) {
        qCWarning(lcDesktop) << "Could not write" << path_;
        return false;
    }
    return true;
}
