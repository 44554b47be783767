// Files are read whole and written whole or not at all: a save goes to a
// temporary file in the same folder, which then replaces the target, so a
// crash or a full disk never leaves half a file behind.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The file's bytes, or nothing when it cannot be opened.
std::optional<QByteArray> ReadWholeFile(const QString& path);

// False when the file could not be written; the old file is then unchanged.
bool WriteWholeFile(const QString& path, const QByteArray& bytes);
