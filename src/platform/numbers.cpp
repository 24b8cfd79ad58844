#include "numbers.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace num {

ConversionError::ConversionError(const QString& text)
    : std::runtime_error(("non e' un numero: " + text).toStdString()) {}

QString toText(double value) {
    if (value == 0.0 || std::isnan(value))
        return QStringLiteral("0");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("1,#INF") : QStringLiteral("-1,#INF");
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    QString text = QString::fromLatin1(buffer);
    const qsizetype e = text.indexOf(QLatin1Char('e'));
    if (e >= 0) {
        // Exponent form as the classic conversion writes it: 1E-05, 1,5E+16.
        QString mantissa = text.left(e);
        QString exponent = text.mid(e + 1);
        const QChar sign = exponent.front();
        exponent = exponent.mid(1);
        while (exponent.size() > 2 && exponent.front() == QLatin1Char('0'))
            exponent.remove(0, 1);
        text = mantissa + QLatin1Char('E') + sign + exponent;
    }
    text.replace(QLatin1Char('.'), QLatin1Char(','));
    return text;
}

namespace {

// Strict reading of a C-locale number: optional sign, digits, optional fraction and exponent.
bool readPlain(const QString& text, double& out) {
    if (text.isEmpty())
        return false;
    const QByteArray bytes = text.toLatin1();
    const char* p = bytes.constData();
    const char* start = p;
    if (*p == '+' || *p == '-')
        ++p;
    bool digits = false;
    while (*p >= '0' && *p <= '9') {
        ++p;
        digits = true;
    }
    if (*p == '.') {
        ++p;
        while (*p >= '0' && *p <= '9') {
            ++p;
            digits = true;
        }
    }
    if (!digits)
        return false;
    if (*p == 'e' || *p == 'E') {
        ++p;
        if (*p == '+' || *p == '-')
            ++p;
        if (!(*p >= '0' && *p <= '9'))
            return false;
        while (*p >= '0' && *p <= '9')
            ++p;
    }
    if (*p != '\0')
        return false;
    char* end = nullptr;
    const double value = std::strtod(start, &end);
    if (!std::isfinite(value))
        return false;
    out = value;
    return true;
}

} // namespace

bool tryParse(const QString& raw, double& out) {
    QString text = raw.trimmed();
    if (text.isEmpty())
        return false;
    for (const QChar c : text)
        if (c.unicode() > 127)
            return false;
    if (text.contains(QLatin1Char(','))) {
        if (text.count(QLatin1Char(',')) > 1)
            return false;
        const qsizetype comma = text.indexOf(QLatin1Char(','));
        QString whole = text.left(comma);
        const QString fraction = text.mid(comma + 1);
        if (fraction.contains(QLatin1Char('.')))
            return false;
        whole.remove(QLatin1Char('.'));
        text = whole + QLatin1Char('.') + fraction;
    } else if (text.count(QLatin1Char('.')) > 1) {
        // Only grouping points, as in 1.234.567.
        text.remove(QLatin1Char('.'));
    }
    return readPlain(text, out);
}

double parse(const QString& text) {
    double value = 0;
    if (!tryParse(text, value))
        throw ConversionError(text);
    return value;
}

double leading(const QString& raw) {
    // Blanks, tabs and line feeds are skipped anywhere, as the classic reading does.
    QByteArray bytes;
    for (const QChar c : raw) {
        if (c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n') ||
            c == QLatin1Char('\r'))
            continue;
        if (c.unicode() > 127)
            break;
        bytes.append(static_cast<char>(c.unicode()));
    }
    qsizetype i = 0;
    const qsizetype n = bytes.size();
    QByteArray number;
    if (i < n && (bytes[i] == '+' || bytes[i] == '-'))
        number.append(bytes[i++]);
    bool digits = false;
    while (i < n && bytes[i] >= '0' && bytes[i] <= '9') {
        number.append(bytes[i++]);
        digits = true;
    }
    if (i < n && bytes[i] == '.') {
        number.append(bytes[i++]);
        while (i < n && bytes[i] >= '0' && bytes[i] <= '9') {
            number.append(bytes[i++]);
            digits = true;
        }
    }
    if (!digits)
        return 0;
    if (i < n && (bytes[i] == 'e' || bytes[i] == 'E' || bytes[i] == 'd' || bytes[i] == 'D')) {
        qsizetype j = i + 1;
        QByteArray exponent("e");
        if (j < n && (bytes[j] == '+' || bytes[j] == '-'))
            exponent.append(bytes[j++]);
        bool expDigits = false;
        while (j < n && bytes[j] >= '0' && bytes[j] <= '9') {
            exponent.append(bytes[j++]);
            expDigits = true;
        }
        if (expDigits)
            number.append(exponent);
    }
    // A number beyond double range reads as an infinity, so that the arithmetic on it fails as an overflow.
    return std::strtod(number.constData(), nullptr);
}

double intFloor(double value) {
    return std::floor(value);
}

double roundHalfUp(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    return intFloor(value * scale + 0.5) / scale;
}

} // namespace num
