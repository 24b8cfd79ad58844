#pragma once

// Saved documents read back as other programs read them: the zip package and XML of OpenDocument text, the
// groups and escapes of Rich Text, HTML as a word processor takes it.

#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>
#include <QtEndian>
#include <algorithm>
#include <map>
#include <utility>

namespace readback {

// Each paragraph and table cell in order as "p 12 right bold page: text": the size in points (of an empty
// paragraph, its mark's), then alignment other than left, bold and a page break before where they hold; "th"
// for a cell of a heading row repeated on every page, "td" for any other cell. Also the fonts of the text and
// the width of the widest table in twips. An OpenDocument style names its font twice, for different readers:
// both count.
struct Reading {
    QStringList lines;
    QSet<QString> fonts;
    int tableWidth = 0;
    int columnsSoFar = 0;    // of the table being read
    QString title, language; // of a web page
    QString error;
    void column(int twips) {
        columnsSoFar += twips;
        tableWidth = std::max(tableWidth, columnsSoFar);
    }
    void add(const QString& kind, double size, int align, bool bold, bool page, const QString& text) {
        QString style = u' ' + QString::number(size);
        style += QStringList{"", " right", " center", " justify"}.value(align);
        style += QString(bold ? " bold" : "") + (page ? " page" : "");
        lines << kind + style + QStringLiteral(": ") + text;
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
    // A field outside the file reads as all ones, which no check accepts.
    auto u16 = [&zip](qsizetype at) -> quint32 {
        return at >= 0 && at + 2 <= zip.size() ? qFromLittleEndian<quint16>(zip.constData() + at)
                                               : 0xFFFFFFFFu;
    };
    auto u32 = [&zip](qsizetype at) -> quint32 {
        return at >= 0 && at + 4 <= zip.size() ? qFromLittleEndian<quint32>(zip.constData() + at)
                                               : 0xFFFFFFFFu;
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
            auto& s = span.isEmpty() ? p : styles[span]; // an empty paragraph has only its mark
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
            n == u"table" ? void(read.columnsSoFar = 0) : read.column(twips);
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
        } else if (word.isEmpty() && i + 1 < rtf.size()) {
            add(QLatin1Char(rtf[++i]));
        }
        if (c != '\\' || word.isEmpty())
            continue;
        i += match.capturedLength() - 1;
        if (word == u"par" || word == u"cell") {
            if (text.isEmpty())
                size = groups.last().size, bold = groups.last().bold;
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
            read.tableWidth = std::max(read.tableWidth, value);
        }
    }
    if (groups.size() != 1)
        read.error = QStringLiteral("the groups do not close");
    return read;
}

// HTML as LibreOffice reads it. A style counts only up to the first property this reader does not know
// (LibreOffice gives up on the rest of a style at a name it cannot read, such as a vendor-prefixed one:
// stopping at any unknown name is stricter). Blanks collapse; a paragraph element with nothing in it makes
// no paragraph; an empty paragraph or cell takes its size from a line break inside a span, not from the style
// of its own element, and an empty cell loses its alignment too (a cell with nothing at all is set at 2 pt).
// A heading row is one in <thead>, which is repeated on every page. The text is UTF-8 when the page says so,
// else Latin-1.
inline Reading readHtml(const QByteArray& bytes) {
    struct Style {
        double size = 12;
        QString font;
        bool bold = false;
        int align = 0;
    };
    struct Element {
        QString tag;
        Style style;
        qsizetype lines = 0; // read before the element began
    };
    Reading read;
    static const QRegularExpression utf8(QStringLiteral("<meta[^>]*charset\\s*=\\s*[\"']?utf-8"),
                                         QRegularExpression::CaseInsensitiveOption);
    const QString html = utf8.match(QString::fromLatin1(bytes)).hasMatch() ? QString::fromUtf8(bytes)
                                                                           : QString::fromLatin1(bytes);
    std::map<QString, QString> sheet; // the declarations of a style sheet for each element name
    bool page = false;
    auto apply = [&page](Style& style, const QString& declarations) {
        static const QStringList known{"page-break-before", "font-size",    "font-family", "font-weight",
                                       "text-align",        "margin",       "margin-top",  "margin-bottom",
                                       "margin-left",       "margin-right", "padding",     "border"};
        for (const QString& declaration : declarations.split(u';', Qt::SkipEmptyParts)) {
            const QString name = declaration.section(u':', 0, 0).trimmed().toLower();
            const QString value = declaration.section(u':', 1).trimmed();
            if (name.isEmpty())
                continue;
            if (!known.contains(name))
                return;
            if (name == u"font-size" && (value.endsWith(u"pt") || value.endsWith(u"px")))
                style.size = lengthNumber(value) * (value.endsWith(u"px") ? 0.75 : 1);
            else if (name == u"font-family")
                style.font = value.section(u',', 0, 0).remove(u'\'').remove(u'"').trimmed();
            else if (name == u"font-weight")
                style.bold = value == u"bold" || value.toInt() >= 600;
            else if (name == u"text-align")
                style.align = std::max<qsizetype>(QStringList{"left", "right", "center", "justify"}.indexOf(
                                                      value == u"end" ? "right" : value),
                                                  0);
            else if (name == u"page-break-before")
                page = value == u"always";
        }
    };
    auto decode = [](QString text) {
        static const QRegularExpression entity(QStringLiteral("&(#[xX][0-9a-fA-F]+|#[0-9]+|[a-z]+);"));
        static const std::map<QString, QString> named{{"amp", "&"},   {"lt", "<"},   {"gt", ">"},
                                                      {"quot", "\""}, {"apos", "'"}, {"nbsp", "\u00a0"}};
        for (qsizetype at = 0; (at = text.indexOf(entity, at)) >= 0;) {
            const QString name = entity.match(text, at).captured(1);
            const bool hex = name.startsWith(u"#x", Qt::CaseInsensitive);
            const char32_t code = name.mid(hex ? 2 : 1).toUInt(nullptr, hex ? 16 : 10);
            const QString value = !name.startsWith(u'#')
                                      ? (named.count(name) ? named.at(name) : u'&' + name + u';')
                                  : code > 0 && code < 0x110000 ? QString::fromUcs4(&code, 1)
                                                                : QString(QChar::ReplacementCharacter);
            text.replace(at, name.size() + 2, value);
            at += value.size();
        }
        return text;
    };

    QList<Element> open{{QString(), Style(), 0}};
    // The paragraph being read: the element that began it, its style and its parent's, the style of its last
    // text or line break, whether it holds anything at all.
    struct Paragraph {
        qsizetype depth = -1;
        QString kind, text;
        Style own, parent, mark;
        bool content = false;
    } paragraph;
    auto inside = [&open](const char* tag) {
        return std::any_of(open.begin(), open.end(),
                           [tag](const Element& e) { return e.tag == QLatin1String(tag); });
    };
    auto begin = [&](qsizetype depth) {
        const bool cell = inside("td") || inside("th");
        paragraph = {depth,
                     cell ? (inside("thead") ? "th" : "td") : "p",
                     {},
                     open[depth].style,
                     open[std::max<qsizetype>(depth - 1, 0)].style,
                     open[depth].style,
                     false};
    };
    auto end = [&] {
        if (paragraph.depth < 0)
            return;
        QString& text = paragraph.text;
        if (text.endsWith(u' '))
            text.chop(1);
        if (text.endsWith(u'\n'))
            text.chop(1);
        const QString tag = open.value(paragraph.depth).tag;
        const bool cell = tag == u"td" || tag == u"th";
        const Style& mark = paragraph.mark;
        if (paragraph.content)
            read.add(paragraph.kind, mark.size,
                     text.isEmpty() && cell ? paragraph.parent.align : paragraph.own.align, mark.bold,
                     std::exchange(page, false), text.replace(QChar::Nbsp, u' '));
        if (paragraph.content && text.isEmpty())
            read.fonts << mark.font;
        paragraph = Paragraph();
    };

    static const QStringList blocks{"p",  "div", "h1",    "h2",    "h3",    "li",  "td",
                                    "th", "tr",  "table", "thead", "tbody", "body"};
    static const QStringList empty{"br", "col", "meta", "link", "img", "hr", "input"};
    static const QRegularExpression token(
        QStringLiteral(
            "<!--.*?-->|<[!?][^>]*>|<(/?)([a-zA-Z][a-zA-Z0-9]*)((?:[^>\"']|\"[^\"]*\"|'[^']*')*)>|[^<]+|<"),
        QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression attribute(
        QStringLiteral("([a-zA-Z-]+)\\s*(?:=\\s*(?:\"([^\"]*)\"|'([^']*)'|([^\\s>]+)))?"));
    for (auto it = token.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const QString tag = m.captured(2).toLower();
        if (tag.isEmpty() && m.captured(0).startsWith(u'<') && m.captured(0).size() > 1)
            continue; // a comment or declaration
        if (tag.isEmpty()) {
            const QString text = decode(m.captured(0));
            if (inside("title")) {
                read.title = (read.title + text).simplified();
            } else if (inside("style")) {
                static const QRegularExpression rule(QStringLiteral("([^{}]+)\\{([^}]*)\\}"));
                for (auto r = rule.globalMatch(text); r.hasNext();) {
                    const QRegularExpressionMatch found = r.next();
                    for (const QString& selector : found.captured(1).split(u','))
                        sheet[selector.trimmed().toLower()] += found.captured(2) + u';';
                }
            } else if (!inside("head") && !inside("script")) {
                for (const QChar c : text) {
                    const bool blank = c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
                    if (blank && (paragraph.depth < 0 || paragraph.text.isEmpty() ||
                                  paragraph.text.endsWith(u' ') || paragraph.text.endsWith(u'\n')))
                        continue;
                    if (paragraph.depth < 0)
                        begin(open.size() - 1);
                    paragraph.text += blank ? QChar(u' ') : c;
                    paragraph.content = true;
                    paragraph.mark = open.last().style;
                    read.fonts << open.last().style.font;
                }
            }
            continue;
        }
        if (blocks.contains(tag))
            end();
        if (m.captured(1) == u"/") {
            for (qsizetype i = open.size() - 1; i > 0; --i) {
                if (open[i].tag != tag)
                    continue;
                // A cell always holds a paragraph: with nothing in it, one of 2 pt, so that the row stays
                // low.
                if ((tag == u"td" || tag == u"th") && read.lines.size() == open[i].lines)
                    read.add(inside("thead") ? "th" : "td", 2, 0, false, false, QString());
                open.resize(i);
                break;
            }
            continue;
        }
        std::map<QString, QString> attributes;
        for (auto a = attribute.globalMatch(m.captured(3)); a.hasNext();) {
            const QRegularExpressionMatch found = a.next();
            attributes[found.captured(1).toLower()] =
                decode(found.captured(2) + found.captured(3) + found.captured(4));
        }
        Style style = open.last().style;
        if (tag == u"th" || tag == u"b" || tag == u"strong")
            style.bold = true;
        if (tag == u"th")
            style.align = 2;
        if (attributes.count("align"))
            apply(style, QStringLiteral("text-align: ") + attributes["align"]);
        apply(style, sheet[tag]);
        apply(style, attributes["style"]);
        if (tag == u"html")
            read.language = attributes["lang"];
        else if (tag == u"table")
            read.columnsSoFar = 0;
        else if (tag == u"col")
            read.column(attributes["width"].toInt() * 15);
        if (tag == u"br") {
            if (paragraph.depth < 0)
                begin(open.size() - 1);
            paragraph.text += u'\n';
            paragraph.content = true;
            // Only an inline element gives an empty paragraph its size.
            paragraph.mark = open.size() - 1 == paragraph.depth ? paragraph.parent : open.last().style;
        }
        if (empty.contains(tag))
            continue;
        open.append({tag, style, read.lines.size()});
        // Of the block elements, those before "tr" in the list begin a paragraph.
        if (blocks.contains(tag) && blocks.indexOf(tag) < blocks.indexOf("tr"))
            begin(open.size() - 1);
    }
    end();
    return read;
}

} // namespace readback
