#include "platform/help/HelpFiles.h"

#include "core/VantelError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QStringList DefaultHelpFolders() {
    QStringList folders{QCoreApplication::applicationDirPath()};
    for (const QString& data : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        folders.append(QDir(data).filePath(QStringLiteral("vantel")));
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
