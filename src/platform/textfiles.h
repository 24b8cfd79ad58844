#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Reading the program's texts and the user's text files.
namespace textfiles {

// Bytes as UTF-8, or as Windows-1252 when they are not valid UTF-8 (files from the older platform).
QString decode(const QByteArray& bytes);

// The Windows-1252 byte of a character, or nothing when that code page has none for it.
std::optional<unsigned char> toCp1252(QChar c);

// A whole text file decoded as above; nothing when it cannot be read.
std::optional<QString> read(const QString& path);

// A text kept among the program's resources, with every line break as CR LF.
QString resource(const QString& path);

} // namespace textfiles
