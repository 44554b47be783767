// Where the settings file lives: beside the executable when that folder can
// be written (a copied or unpacked program), else in the user's
// configuration folder (an installed one). Reads and writes ask the same rule.
#include "settings/SettingsFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString SettingsPathFor(const QString& executablePath, bool folderWritable, const QString& xdgConfigHome,
                        const QString& home) {
    if (folderWritable && !executablePath.isEmpty()) {
        const qsizetype nameStart = executablePath.lastIndexOf(u'/') + 1;
        const qsizetype dot = executablePath.lastIndexOf(u'.');
        // A dot that starts the name (a hidden file) begins no extension.
        const bool hasExtension = dot > nameStart;
        return (hasExtension ? executablePath.left(dot) : executablePath) + ".ini";
    }
    const QString configHome = QDir::isAbsolutePath(xdgConfigHome) ? xdgConfigHome : home + "/.config";
    return QDir::cleanPath(configHome + "/vantel/vantel.ini");
}

QString DefaultSettingsPath() {
    const QString executable =
        QCoreApplication::instance() ? QCoreApplication::applicationFilePath() : QString();
    const bool folderWritable =
        !executable.isEmpty() && QFileInfo(QFileInfo(executable).absolutePath()).isWritable();
    return SettingsPathFor(executable, folderWritable, qEnvironmentVariable("XDG_CONFIG_HOME"),
                           QDir::homePath());
}
