#include "platform/help/HelpFiles.h"

#include "core/VantelError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QStringList DefaultHelpFolders() {
    QStringList folders{QCoreApplication::applicationDirPath()};
    // An installed program's own data folder, whatever the prefix.
    folders.append(
        QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/vantel")));
    for (const QString& data : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
        const QString folder = QDir::cleanPath(QDir(data).filePath(QStringLiteral("vantel")));
        if (!folders.contains(folder))
            folders.append(folder);
    }
    // An install under /usr is found even when XDG_DATA_DIRS leaves it out.
    const QString system = QStringLiteral("/usr/share/vantel");
    if (!folders.contains(system))
        folders.append(system);
    return folders;
}

QString FindHelpCollection(const QStringList& folders) {
    for (const QString& folder : folders) {
        const QFileInfo file(QDir(folder).filePath(kHelpCollectionName));
        if (file.isFile())
            return file.absoluteFilePath();
    }
    QString message = QStringLiteral("ヘルプファイル %1 が見つかりません。").arg(kHelpCollectionName);
    if (!folders.isEmpty())
        message += QStringLiteral("\n探した場所:\n") + folders.join(QLatin1Char('\n'));
    throw VantelError(message);
}
