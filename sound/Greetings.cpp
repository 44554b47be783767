#include "sound/Greetings.h"

#include "platform/desktop/Clock.h"
#include "platform/sound/SoundEngine.h"

#include <QDirIterator>
#include <QFile>

// The images live in this library; a static library's resources are only
// registered when something asks for them. (Outside any namespace, as the
// registration macro needs.)
static void RegisterGreetingResources() {
    static const bool registered = [] {
        Q_INIT_RESOURCE(greetings);
        return true;
    }();
    (void)registered;
}

QString GreetingForHour(int hour) {
    if (hour >= 4 && hour <= 11)
        return QStringLiteral("ZuliAsa");
    if (hour >= 12 && hour <= 18)
        return QStringLiteral("ZuliHiru");
    return QStringLiteral("ZuliBan");
}

QByteArray GreetingImage(const QString& name) {
    RegisterGreetingResources();
    QDirIterator entries(QStringLiteral(":/greetings"), QDir::Files);
    while (entries.hasNext()) {
        entries.next();
        if (entries.fileName().compare(name, Qt::CaseInsensitive) == 0) {
            QFile file(entries.filePath());
            if (file.open(QIODevice::ReadOnly))
                return file.readAll();
        }
    }
    return {};
}

void PlayGreetingAndWait(SoundEngine& engine, const QString& name) {
    engine.PlayImage(GreetingImage(name), true);
}

bool StartupGreeting::Tick(bool checked) {
    if (greeted_)
        return true;
    if (!checked)
        return false;
    greeted_ = true;
    engine_.PlayImage(GreetingImage(GreetingForHour(clock_.Now().time().hour())), false);
    return true;
}
