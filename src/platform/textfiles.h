#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Reading the program's texts and the user's text files.
namespace textfiles {

// Bytes as UTF-8, or as Windows-1252 when they are not valid UTF-8 (files from the older platform).
QString decode(const QByteArray& bytes);

// A whole text file decoded as above; nothing when it cannot be read.
std::optional<QString> read(const QString& path);

// A text kept among the program's resources, with every line break as CR LF.
QString resource(const QString& path);

} // namespace textfiles
