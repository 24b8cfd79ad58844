#include "textfiles.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <algorithm>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace textfiles {
namespace {
// Windows-1252 differs from Latin-1 only between 0x80 and 0x9F.
constexpr char16_t cp1252High[32] = {0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                     0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD,
                                     0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                     0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

std::function<bool(const QString&)>& unreadableFiles() {
    static std::function<bool(const QString&)> unreadable;
    return unreadable;
}

std::optional<QStringDecoder::Encoding> utf16(const QByteArray& bytes) {
    if (bytes.startsWith("\xFF\xFE"))
        return QStringDecoder::Utf16LE;
    if (bytes.startsWith("\xFE\xFF"))
        return QStringDecoder::Utf16BE;
    return std::nullopt;
}

using Status = Contents::Status;

// Opens a regular file for reading. Opening a named pipe plainly would wait until something writes to it,
// so the file is opened without waiting and refused when it turns out to be no regular file.
Status openRegular(const QString& path, QFile& file) {
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT || errno == ENOTDIR ? Status::Missing : Status::Unreadable;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) ||
        !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return Status::Unreadable;
    }
    return Status::Read;
#else
    // Named pipes do not live among the files here: a regular file opens at once.
    const QFileInfo info(path);
    if (!info.exists())
        return Status::Missing;
    return info.isFile() && file.open(QIODevice::ReadOnly) ? Status::Read : Status::Unreadable;
#endif
}
} // namespace

void setUnreadable(std::function<bool(const QString& path)> unreadable) {
    unreadableFiles() = std::move(unreadable);
}

std::optional<unsigned char> toCp1252(QChar c) {
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return static_cast<unsigned char>(u);
    for (int i = 0; i < 32; ++i)
        if (cp1252High[i] == u && u != 0xFFFD)
            return static_cast<unsigned char>(0x80 + i);
    return std::nullopt;
}

QString decode(const QByteArray& bytes) {
    // Notepad saves "Unicode" as UTF-16 with a byte-order mark.
    if (const auto encoding = utf16(bytes)) {
        QStringDecoder decoder(*encoding, QStringDecoder::Flag::Stateless);
        return decoder.decode(bytes.sliced(2));
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError()) {
        if (text.startsWith(QChar(0xFEFF)))
            text.remove(0, 1);
        return text;
    }
    QString result;
    result.reserve(bytes.size());
    for (const char byte : bytes) {
        const auto c = static_cast<unsigned char>(byte);
        result.append(c >= 0x80 && c <= 0x9F ? QChar(cp1252High[c - 0x80]) : QChar(c));
    }
    return result;
}

Contents read(const QString& path) {
    Contents contents;
    QFile file;
    contents.status = openRegular(path, file);
    if (contents.status == Status::Read && unreadableFiles() && unreadableFiles()(path))
        contents.status = Status::Unreadable;
    if (contents.status != Status::Read)
        return contents;
    QByteArray bytes = file.read(MaxBytes + 1);
    contents.truncated = bytes.size() > MaxBytes;
    if (!contents.truncated) {
        contents.text = decode(bytes);
        return contents;
    }
    bytes.truncate(MaxBytes);
    // An 8-bit file is cut at a line end before decoding: a UTF-8 character cut in two would make the whole
    // text read as Windows-1252. In UTF-16 a line-end byte can be half of another character.
    if (!utf16(bytes))
        bytes.truncate(std::max(bytes.lastIndexOf('\n'), bytes.lastIndexOf('\r')) + 1);
    contents.text = decode(bytes);
    contents.text.truncate(
        std::max(contents.text.lastIndexOf(QLatin1Char('\n')), contents.text.lastIndexOf(QLatin1Char('\r'))) +
        1);
    return contents;
}

QString resource(const QString& path) {
    QFile file(path);
    QString text = file.open(QIODevice::ReadOnly) ? decode(file.readAll()) : QString();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

} // namespace textfiles
