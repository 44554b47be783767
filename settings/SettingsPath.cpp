// Where the settings file lives: beside the executable when that folder can
// be written (a copied or unpacked program), else in the user's
// configuration folder (an installed one, or a folder that cannot be
// written). Reads and writes ask the same rule.
#include "settings/SettingsFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

bool IsInstalledLayout(const QString& executableFolder) {
    return !executableFolder.isEmpty() &&
           QFileInfo(QDir(executableFolder).filePath(QStringLiteral("../share/vantel"))).isDir();
}

QString SettingsPathFor(const QString& executablePath, bool folderWritable, const QString& xdgConfigHome,
                        const QString& home, bool installed) {
    // An installed program never writes beside itself, even where it could
    // (root and /usr/bin).
    if (folderWritable && !installed && !executablePath.isEmpty()) {
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
    const QString folder = executable.isEmpty() ? QString() : QFileInfo(executable).absolutePath();
    const bool folderWritable = !folder.isEmpty() && QFileInfo(folder).isWritable();
    return SettingsPathFor(executable, folderWritable, qEnvironmentVariable("XDG_CONFIG_HOME"),
                           QDir::homePath(), IsInstalledLayout(folder));
}
