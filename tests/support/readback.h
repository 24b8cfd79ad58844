#pragma once

// Saved documents read back as other programs read them: the zip package and XML of OpenDocument text, the
// groups and escapes of Rich Text, HTML with its blanks collapsed as word processors collapse them.

#include <QRegularExpression>
#include <QSet>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <QXmlStreamReader>
#include <QtEndian>
#include <map>

namespace readback {

// Each paragraph and table cell in order as "p 12 right bold page: text": the size in points, then alignment
// other than left, bold and a page break before where they hold; "th" for a cell of a heading row repeated on
// every page, "td" for any other cell, "p: " for an empty paragraph. Also the fonts of the text and the width
// of the last table in twips. An OpenDocument style names its font twice, for different readers: both count.
struct Reading {
    QStringList lines;
    QSet<QString> fonts;
    int tableWidth = 0;
    QString error;
    void add(const QString& kind, double size, int align, bool bold, bool page, const QString& text) {
        QString style = u' ' + QString::number(size);
        style += QStringList{"", " right", " center", " justify"}.value(align);
        style += QString(bold ? " bold" : "") + (page ? " page" : "");
        lines << kind + (text.isEmpty() ? QString() : style) + QStringLiteral(": ") + text;
    }
};

inline quint32 crc32(const QByteArray& data) {
    quint32 crc = 0xFFFFFFFFu;
    for (const char byte : data) {
        crc ^= static_cast<unsigned char>(byte);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

// The parts of a zip package through its central directory, each checked against its local header and CRC.
// Only stored parts are read: the mimetype must be, and the program stores every part.
inline std::map<QString, QByteArray> unzip(const QByteArray& zip, QString& error) {
    auto u16 = [&zip](qsizetype at) -> quint32 {
        return at + 2 <= zip.size() ? qFromLittleEndian<quint16>(zip.constData() + at) : 0xFFFFFFFFu;
    };
    auto u32 = [&zip](qsizetype at) -> quint32 {
        return at + 4 <= zip.size() ? qFromLittleEndian<quint32>(zip.constData() + at) : 0xFFFFFFFFu;
    };
    std::map<QString, QByteArray> parts;
    const qsizetype end = zip.size() - 22;
    if (end < 0 || u32(end) != 0x06054b50u)
        error = QStringLiteral("no end of the central directory");
    qsizetype entry = u32(end + 16);
    for (quint32 i = 0; error.isEmpty() && i < u16(end + 10); ++i) {
        const QByteArray name = zip.mid(entry + 46, u16(entry + 28));
        const qsizetype local = u32(entry + 42);
        const quint32 size = u32(entry + 20);
        const QByteArray data = zip.mid(local + 30 + u16(local + 26) + u16(local + 28), size);
        if (u32(entry) != 0x02014b50u || u32(local) != 0x04034b50u ||
            zip.mid(local + 30, name.size()) != name)
            error = QStringLiteral("broken directory entry ") + name;
        else if (u16(entry + 10) != 0 || u16(local + 8) != 0 || u32(entry + 24) != size ||
                 data.size() != size)
            error = name + QStringLiteral(" is not stored");
        else if (crc32(data) != u32(entry + 16) || u32(local + 14) != u32(entry + 16))
            error = QStringLiteral("wrong CRC of ") + name;
        parts[QString::fromUtf8(name)] = data;
        entry += 46 + name.size() + u16(entry + 30) + u16(entry + 32);
    }
    return parts;
}

// The number of a length such as "12pt" or "8.50cm".
inline double lengthNumber(const QString& length) {
    return length.left(length.size() - 2).toDouble();
}

inline Reading readOdt(const QByteArray& package) {
    Reading read;
    const auto parts = unzip(package, read.error);
    if (package.mid(30, 47) != "mimetypeapplication/vnd.oasis.opendocument.text")
        read.error += QStringLiteral(" the mimetype is not the first part");
    // Every XML part well-formed, every part in the manifest.
    QStringList listed{QStringLiteral("mimetype"), QStringLiteral("META-INF/manifest.xml")};
    for (const auto& [name, data] : parts) {
        QXmlStreamReader xml(data);
        while (name.endsWith(QLatin1String(".xml")) && !xml.atEnd())
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"file-entry")
                listed << xml.attributes().value(QLatin1String("manifest:full-path")).toString();
        if (xml.hasError())
            read.error += name + QStringLiteral(": ") + xml.errorString();
    }
    for (const auto& [name, data] : parts)
        if (!listed.contains(name))
            read.error += name + QStringLiteral(" is not in the manifest");

    std::map<QString, std::map<QString, QString>> styles; // the properties of each automatic style
    QString style, paragraph, span, text;
    bool heading = false, cell = false;
    QXmlStreamReader xml(parts.count("content.xml") ? parts.at("content.xml") : QByteArray());
    while (read.error.isEmpty() && !xml.atEnd()) {
        const auto token = xml.readNext();
        const QStringView n = xml.name();
        auto attribute = [&xml](const char* name) {
            return xml.attributes().value(QLatin1String(name)).toString();
        };
        if (token == QXmlStreamReader::Characters) {
            // White space in the text is one blank, as in HTML: kept blanks, tabs and breaks are elements.
            static const QRegularExpression space(QStringLiteral("[ \t\r\n]+"));
            text += xml.text().toString().replace(space, QStringLiteral(" "));
        } else if (token == QXmlStreamReader::EndElement) {
            heading = heading && n != u"table-header-rows";
            cell = cell && n != u"table-cell";
            auto& p = styles[paragraph];
            auto& s = styles[span];
            if (n == u"p")
                read.add(cell ? (heading ? "th" : "td") : "p", lengthNumber(s["fo:font-size"]),
                         QStringList{"start", "end", "center", "justify"}.indexOf(p["fo:text-align"]),
                         s["fo:font-weight"] == u"bold", p["fo:break-before"] == u"page", text);
        } else if (token != QXmlStreamReader::StartElement) {
        } else if (n == u"style") {
            style = attribute("style:name");
        } else if (n.endsWith(u"properties")) {
            for (const QXmlStreamAttribute& a : xml.attributes())
                styles[style][a.qualifiedName().toString()] = a.value().toString();
        } else if (n == u"table" || n == u"table-column") {
            const QString width = styles[attribute("table:style-name")]["style:column-width"];
            const int twips = qRound(lengthNumber(width) * 1440 / 2.54);
            read.tableWidth = n == u"table" ? 0 : read.tableWidth + twips;
        } else if (n == u"table-header-rows" || n == u"table-cell") {
            (n == u"table-cell" ? cell : heading) = true;
        } else if (n == u"p" || n == u"span") {
            (n == u"p" ? paragraph : span) = attribute("text:style-name");
            if (n == u"p")
                span.clear(), text.clear();
            else
                read.fonts << styles[span]["style:font-name"] << styles[span]["fo:font-family"];
        } else if (n == u"s" || n == u"tab" || n == u"line-break") {
            const int blanks = std::max(1, attribute("text:c").toInt());
            text += n == u"s" ? QString(blanks, u' ') : n == u"tab" ? "\t" : "\n";
        }
    }
    if (xml.hasError())
        read.error = xml.errorString();
    return read;
}

inline Reading readRtf(const QByteArray& rtf) {
    Reading read;
    struct Group {
        int font = 0;
        double size = 12;
        bool bold = false, fontTable = false;
    };
    QList<Group> groups{Group()};
    std::map<int, QString> fonts;
    int fontEntry = 0, skip = 0, align = 0; // skip: the characters that stand in for a Unicode one
    double size = 0;
    bool bold = false, page = false, heading = false;
    QString text;
    auto add = [&](QChar c) {
        const Group& group = groups.last();
        if (skip > 0)
            --skip;
        else if (group.fontTable)
            fonts[fontEntry] += c == u';' ? QString() : QString(c);
        else
            text += c, size = group.size, bold = group.bold, read.fonts << fonts[group.font];
    };
    static const QRegularExpression control(QStringLiteral("^\\\\([a-z]+)(-?\\d+)? ?"));
    for (qsizetype i = 0; i < rtf.size() && !groups.isEmpty(); ++i) {
        const char c = rtf[i];
        const char next = i + 1 < rtf.size() ? rtf[i + 1] : ' ';
        const auto match = control.match(QString::fromLatin1(rtf.mid(i, 40)));
        const QString word = match.captured(1);
        const int value = match.captured(2).toInt();
        if (c == '{' || c == '}') {
            c == '{' ? groups.append(groups.last()) : groups.removeLast();
            continue;
        }
        if (c == '\n' || c == '\r')
            continue;
        if (c != '\\') {
            add(QLatin1Char(c));
        } else if (next == '\'') {
            // A Windows-1252 byte: the euro is the one letter of the tests outside Latin-1.
            const int byte = rtf.mid(i + 2, 2).toInt(nullptr, 16);
            add(QChar(byte == 0x80 ? 0x20AC : byte));
            i += 3;
        } else if (word.isEmpty()) {
            add(QLatin1Char(rtf[++i]));
        }
        if (c != '\\' || word.isEmpty())
            continue;
        i += match.capturedLength() - 1;
        if (word == u"par" || word == u"cell") {
            read.add(word == u"par" ? "p" : heading ? "th" : "td", size, align, bold, page, text);
            text.clear();
            page = false;
        } else if (word == u"line" || word == u"tab") {
            add(QLatin1Char(word == u"tab" ? '\t' : '\n'));
        } else if (word == u"u") {
            text += QChar(static_cast<char16_t>(value));
            skip = 1;
        } else if (word == u"f") {
            (groups.last().fontTable ? fontEntry : groups.last().font) = value;
        } else if (word == u"fs") {
            groups.last().size = value / 2.0;
        } else if (word == u"fonttbl") {
            groups.last().fontTable = true;
        } else if (word == u"b" || word == u"plain") {
            groups.last().bold = word == u"b" && match.captured(2) != u"0";
        } else if (word == u"pard" || word.startsWith(u'q')) {
            align = std::max<qsizetype>(QStringList{"ql", "qr", "qc", "qj"}.indexOf(word), 0);
        } else if (word == u"page" || word == u"trowd" || word == u"trhdr") {
            (word == u"page" ? page : heading) = word != u"trowd";
        } else if (word == u"cellx") {
            read.tableWidth = value;
        }
    }
    if (groups.size() != 1)
        read.error = QStringLiteral("the groups do not close");
    return read;
}

// HTML as word processors read it, whatever its style sheet asks: blanks and tabs collapse.
inline Reading readHtml(const QByteArray& html) {
    Reading read;
    QTextDocument document;
    static const QRegularExpression preWrap(QStringLiteral("white-space:\\s*pre-wrap"));
    document.setHtml(QString::fromUtf8(html).remove(preWrap));
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextCursor at(block);
        const QTextTable* table = at.currentTable();
        const QString text = block.text().replace(QChar::LineSeparator, u'\n').replace(QChar::Nbsp, u' ');
        const auto align = block.blockFormat().alignment();
        const int alignment = align & Qt::AlignRight     ? 1
                              : align & Qt::AlignHCenter ? 2
                              : align & Qt::AlignJustify ? 3
                                                         : 0;
        const bool heading = table && table->cellAt(at).row() < table->format().headerRowCount();
        read.add(!table    ? "p"
                 : heading ? "th"
                           : "td",
                 at.charFormat().fontPointSize(), alignment, at.charFormat().fontWeight() >= QFont::Bold,
                 block.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore, text);
        if (!text.isEmpty())
            read.fonts << at.charFormat().fontFamilies().toStringList().value(0);
    }
    return read;
}

} // namespace readback
