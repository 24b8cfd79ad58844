#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

class QFile;

// Reading the program's texts and the user's text files.
namespace textfiles {

// Bytes as UTF-8, or as Windows-1252 when they are not valid UTF-8 (files from the older platform).
QString decode(const QByteArray& bytes);

// The Windows-1252 byte of a character, or nothing when that code page has none for it.
std::optional<unsigned char> toCp1252(QChar c);

// Opens a file for reading; false when it cannot be opened.
bool open(QFile& file);

// A whole text file decoded as above; nothing when it cannot be read.
std::optional<QString> read(const QString& path);

// For tests, which run where every file can be read: while set, a file whose path it accepts cannot be
// opened, as one without read permission. Empty restores normal opening.
void setUnreadable(std::function<bool(const QString& path)> unreadable);

// A text kept among the program's resources, with every line break as CR LF.
QString resource(const QString& path);

} // namespace textfiles
