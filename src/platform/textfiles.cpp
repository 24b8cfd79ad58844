#include "textfiles.h"

#include <QFile>
#include <QStringDecoder>

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
} // namespace

void setUnreadable(std::function<bool(const QString& path)> unreadable) {
    unreadableFiles() = std::move(unreadable);
}

bool open(QFile& file) {
    if (unreadableFiles() && unreadableFiles()(file.fileName()))
        return false;
    return file.open(QIODevice::ReadOnly);
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

std::optional<QString> read(const QString& path) {
    QFile file(path);
    if (!open(file))
        return std::nullopt;
    return decode(file.readAll());
}

QString resource(const QString& path) {
    QString text = read(path).value_or(QString());
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

} // namespace textfiles
