// Where this computer sends its attempts: the libpq service (host, port,
// database and TLS live in pg_service.conf, the password in .pgpass), the
// class and this computer's seat. Read from the user's classroom.conf, else
// the site-wide one an administrator puts on every machine. Without either,
// nothing of the class server runs.
#pragma once

#include <QString>
#include <optional>

struct ClassroomConfig {
    QString service;
    QString className;
    QString seat;
    QString path; // the file it came from
};

// $XDG_CONFIG_HOME/vantel/classroom.conf, then the XDG config folders (/etc/xdg).
QString FindClassroomConfig();
// Nothing when there is no file or it lacks the service or the class.
std::optional<ClassroomConfig> ReadClassroomConfig(const QString& path);
std::optional<ClassroomConfig> ReadClassroomConfig();
