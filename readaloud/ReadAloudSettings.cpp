#include "readaloud/ReadAloudSettings.h"

#include "core/Logging.h"

#include <QDir>
#include <QSettings>

namespace {
const QString kEnabledKey = QStringLiteral("ReadAloud/enabled");
}

QString ReadAloudSettings::DefaultPath() {
    // The XDG rule: a relative XDG_CONFIG_HOME is to be ignored.
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + QStringLiteral("/.config");
    return base + QStringLiteral("/vantel/readaloud.conf");
}

bool ReadAloudSettings::Enabled() const {
    const QSettings file(path_, QSettings::IniFormat);
    return file.value(kEnabledKey, false).toBool();
}

void ReadAloudSettings::SetEnabled(bool on) {
    QDir().mkpath(QFileInfo(path_).absolutePath());
    QSettings file(path_, QSettings::IniFormat);
    file.setValue(kEnabledKey, on);
    file.sync();
    if (file.status() != QSettings::NoError)
        qCWarning(lcSettings) << "Could not write" << path_;
}
