#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

// Reading the program's texts and the user's text files.
namespace textfiles {

// The most read of any user's file. No real price list or tips file comes near it; beyond it a file would
// only hold up the window that reads it.
constexpr qint64 MaxBytes = 4 * 1024 * 1024;

// Bytes as UTF-16 or UTF-8 when they start with that encoding's byte-order mark; else as UTF-8, or as
// Windows-1252 when they are not valid UTF-8 (files from the older platform).
QString decode(const QByteArray& bytes);

// The Windows-1252 byte of a character, or nothing when that code page has none for it.
std::optional<unsigned char> toCp1252(QChar c);

struct Contents {
    enum class Status {
        Read,
        Missing,    // nothing of that name
        Unreadable, // there but not a regular file, or not to be opened
    };
    Status status = Status::Missing;
    QString text;
    // The file goes on past MaxBytes: the text stops at the last line end within them, so no line is cut.
    bool truncated = false;
};

// A user's text file decoded as above, at most MaxBytes of it. A named pipe or a device is unreadable: it
// is never opened in a way that waits for a writer.
Contents read(const QString& path);

// For tests, which run where every file can be read: while set, a file whose path it accepts cannot be
// opened, as one without read permission. Empty restores normal opening.
void setUnreadable(std::function<bool(const QString& path)> unreadable);

// A text kept among the program's resources, with every line break as CR LF.
QString resource(const QString& path);

} // namespace textfiles
