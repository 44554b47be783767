// ProfileText: the profile-file syntax ("[Section]" lines and "key=value"
// lines) on the bytes of a whole file. Section and key names match without
// regard to letter case and blanks around them; text is code page 932.
// Values are read exactly as they stand after the first "=" so that
// whatever the program wrote, leading and trailing blanks included, reads
// back the same. Lines that are neither a section nor a key are skipped
// on reading and kept untouched on writing.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The value of `key` in `section`, or nothing when either is absent.
std::optional<QString> ProfileValue(const QByteArray& file, const QString& section, const QString& key);

// The file with `key` in `section` set to `value`, adding the section or key
// when absent; every other line stays as it was.
QByteArray WithProfileValue(const QByteArray& file, const QString& section, const QString& key,
                            const QString& value);

// A stored integer: signed decimal, or hexadecimal after "0x". Nothing when
// the text is not an integer or does not fit.
std::optional<int> ParseProfileInteger(const QString& text);
