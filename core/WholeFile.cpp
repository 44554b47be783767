#include "core/WholeFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <fcntl.h>
#include <unistd.h>

namespace {
// The rename that replaced the file is only on the disk once its folder is.
void syncFolder(const QString& path) {
    const int folder =
        ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(), O_RDONLY | O_DIRECTORY);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
}
} // namespace

std::optional<QByteArray> ReadWholeFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

bool WriteWholeFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    // Unbuffered, so a write that a full disk cuts short shows here: buffered,
    // the short write happens in the flush at commit, which QSaveFile does not
    // notice, and the cut file would replace the whole one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    for (qsizetype written = 0; written < bytes.size();) {
        const qint64 step = file.write(bytes.constData() + written, bytes.size() - written);
        if (step <= 0) {
            file.cancelWriting();
            return false;
        }
        written += step;
    }
    if (!file.commit())
        return false;
    syncFolder(path);
    return true;
}
