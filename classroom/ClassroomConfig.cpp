#include "classroom/ClassroomConfig.h"

#include "core/Logging.h"

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QSysInfo>

QString FindClassroomConfig() {
    return QStandardPaths::locate(QStandardPaths::GenericConfigLocation,
                                  QStringLiteral("vantel/classroom.conf"));
}

std::optional<ClassroomConfig> ReadClassroomConfig(const QString& path) {
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return std::nullopt;
    QSettings file(path, QSettings::IniFormat);
    file.beginGroup(QStringLiteral("classroom"));
    ClassroomConfig config;
    config.service = file.value(QStringLiteral("service")).toString().trimmed();
    config.className = file.value(QStringLiteral("class")).toString();
    config.seat = file.value(QStringLiteral("seat")).toString();
    config.path = path;
    if (file.status() != QSettings::NoError || config.service.isEmpty() || config.className.isEmpty()) {
        qCWarning(lcClassroom) << "Ignoring" << path << ": it needs service= and class= under [classroom]";
        return std::nullopt;
    }
    // A room set up once for every machine: each one tells itself apart by its name.
    if (config.seat.isEmpty())
        config.seat = QSysInfo::machineHostName();
    return config;
}

std::optional<ClassroomConfig> ReadClassroomConfig() { return ReadClassroomConfig(FindClassroomConfig()); }
