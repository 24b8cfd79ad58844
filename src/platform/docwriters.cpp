#include "docwriters.h"

#include "textfiles.h"
#include "word.h"

#include <QRegularExpression>
#include <QStringList>
#include <QXmlStreamWriter>
#include <algorithm>
#include <array>
#include <cmath>

namespace docwriters {
namespace {

using word::Document;

// A4 with margins of 2 cm, in twips.
constexpr int PageWidth = 11906;
constexpr int PageHeight = 16838;
constexpr int Margin = 1134;
constexpr int TextWidth = PageWidth - 2 * Margin;
constexpr double TwipsPerCm = 1440 / 2.54;

QString fontOrDefault(const QString& name) {
    return name.isEmpty() ? QStringLiteral("Times New Roman") : writable(name);
}

// Every font the document uses, in order of first use.
QStringList fontsOf(const Document& document) {
    QStringList fonts;
    auto add = [&fonts](const QString& name) {
        if (!fonts.contains(fontOrDefault(name)))
            fonts << fontOrDefault(name);
    };
    for (const Document::Block& block : document.blocks()) {
        if (block.isTable)
            add(block.table->fontName);
        else
            for (const word::Run& run : block.paragraph.runs)
                add(run.fontName);
    }
    if (fonts.isEmpty())
        add(QString());
    return fonts;
}

// The paragraph still open at the end holds nothing typed and is left out, unless it closes a table.
bool written(const std::vector<Document::Block>& blocks, size_t i) {
    const Document::Block& block = blocks[i];
    if (block.isTable || i + 1 < blocks.size() || !block.paragraph.runs.empty() ||
        block.paragraph.pageBreakBefore)
        return true;
    return i > 0 && blocks[i - 1].isTable;
}

// Column widths in twips that add up to the text width. A column would like room for its longest line and
// needs room for its longest word, at an average letter width of 0.7 of the font size, wide enough for bold
// headings. When every line fits, what is left over is shared out in proportion; when not, each column gets
// its longest word and the rest goes where the lines are longest, so that long texts wrap and numbers do not.
QList<int> columnWidths(const word::Table& table) {
    const double letter = std::max(table.fontSize, 1.0) * 14;
    auto room = [letter](qsizetype letters) {
        return std::llround(static_cast<double>(std::min<qsizetype>(letters, 80)) * letter) + 250;
    };
    std::vector<long long> least, wish;
    long long leastTotal = 0;
    long long wishTotal = 0;
    for (int c = 1; c <= table.columnCount(); ++c) {
        qsizetype line = 1;
        qsizetype word = 1;
        for (int r = 1; r <= table.rowCount(); ++r) {
            const QString& text = table.cell(r, c).text;
            for (const QString& piece : text.split(QLatin1Char('\n')))
                line = std::max(line, piece.size());
            for (const QString& piece : text.split(QRegularExpression(QStringLiteral("\\s+"))))
                word = std::max(word, piece.size());
        }
        least.push_back(room(word));
        wish.push_back(room(line));
        leastTotal += least.back();
        wishTotal += wish.back();
    }
    std::vector<long long> widths(wish.size());
    for (size_t c = 0; c < wish.size(); ++c) {
        if (wishTotal <= TextWidth || leastTotal >= TextWidth || wishTotal == leastTotal)
            widths[c] = wish[c] * TextWidth / wishTotal;
        else
            widths[c] = least[c] + (wish[c] - least[c]) * (TextWidth - leastTotal) / (wishTotal - leastTotal);
    }
    // Rounding leaves a few twips over: the last column takes them, so the table spans the text width.
    long long given = 0;
    for (const long long width : widths)
        given += width;
    widths.back() += TextWidth - given;
    return QList<int>(widths.begin(), widths.end());
}

// The font and size of a paragraph mark: those of the paragraph's last text, else of the text before it.
struct Mark {
    QString font;
    double size = 10;
    void follow(const word::Paragraph& paragraph) {
        if (!paragraph.runs.empty()) {
            font = paragraph.runs.back().fontName;
            size = paragraph.runs.back().fontSize;
        }
    }
    void follow(const word::Table& table) {
        font = table.fontName;
        size = table.fontSize;
    }
};

// ---------------------------------------------------------------- Rich Text Format

class RtfWriter {
public:
    explicit RtfWriter(const Document& document) : document_(document), fonts_(fontsOf(document)) {}

    QByteArray write() {
        out_ += "{\\rtf1\\ansi\\ansicpg1252\\uc1\\deff0\\deflang1040\n{\\fonttbl";
        for (qsizetype i = 0; i < fonts_.size(); ++i) {
            out_ += "{\\f" + QByteArray::number(i) + "\\fnil\\fcharset0 ";
            text(fonts_[i]);
            out_ += ";}";
        }
        out_ += "}\n\\paperw" + QByteArray::number(PageWidth) + "\\paperh" + QByteArray::number(PageHeight);
        for (const char* side : {"\\margl", "\\margr", "\\margt", "\\margb"})
            out_ += side + QByteArray::number(Margin);
        out_ += "\\widowctrl\n";
        const auto& blocks = document_.blocks();
        for (size_t i = 0; i < blocks.size(); ++i) {
            if (!written(blocks, i))
                continue;
            if (blocks[i].isTable)
                table(*blocks[i].table);
            else
                paragraph(blocks[i].paragraph);
        }
        out_ += "}\n";
        return out_;
    }

private:
    QByteArray character(const QString& fontName, double size) const {
        return "\\f" + QByteArray::number(std::max<qsizetype>(fonts_.indexOf(fontOrDefault(fontName)), 0)) +
               "\\fs" + QByteArray::number(std::max(qRound(size * 2), 1));
    }

    static QByteArray alignment(int value) {
        switch (value) {
        case word::AlignCenter:
            return "\\qc";
        case word::AlignRight:
            return "\\qr";
        case word::AlignJustify:
            return "\\qj";
        default:
            return "\\ql";
        }
    }

    // Blanks go out as they are: a reader eats only the one blank that ends a control word.
    void text(const QString& value) {
        for (const QChar c : writable(value)) {
            const char16_t u = c.unicode();
            if (u == u'\\' || u == u'{' || u == u'}') {
                out_ += '\\';
                out_ += static_cast<char>(u);
            } else if (u == u'\t') {
                out_ += "\\tab ";
            } else if (u == u'\n') {
                out_ += "\\line ";
            } else if (u < 0x80) {
                out_ += static_cast<char>(u);
            } else if (const auto byte = textfiles::toCp1252(c)) {
                out_ += "\\'" + QByteArray::number(*byte, 16).rightJustified(2, '0');
            } else {
                out_ += "\\u" + QByteArray::number(static_cast<qint16>(u)) + '?';
            }
        }
    }

    void paragraph(const word::Paragraph& paragraph) {
        if (paragraph.pageBreakBefore)
            out_ += "\\page\n";
        out_ += "\\pard\\plain" + alignment(paragraph.alignment);
        for (const int stop : paragraph.tabStops)
            out_ += "\\tx" + QByteArray::number(stop);
        for (const word::Run& run : paragraph.runs) {
            out_ += '{' + character(run.fontName, run.fontSize) + ' ';
            text(run.text);
            out_ += '}';
        }
        mark_.follow(paragraph);
        out_ += character(mark_.font, mark_.size) + "\\par\n";
    }

    void table(const word::Table& table) {
        const QList<int> widths = columnWidths(table);
        const QByteArray border = "\\brdrs\\brdrw10";
        for (int r = 1; r <= table.rowCount(); ++r) {
            // The built-in table style sets its first row in bold and repeats it on every page.
            const bool heading = table.autoFormat && r == 1;
            out_ += "\\trowd\\trgaph70\\trleft0";
            if (heading)
                out_ += "\\trhdr";
            int edge = 0;
            for (const int width : widths) {
                edge += width;
                out_ += "\\clbrdrt" + border + "\\clbrdrl" + border + "\\clbrdrb" + border + "\\clbrdrr" +
                        border + "\\cellx" + QByteArray::number(edge);
            }
            out_ += '\n';
            for (int c = 1; c <= table.columnCount(); ++c) {
                const word::Cell& cell = table.cell(r, c);
                out_ += "\\pard\\plain\\intbl" + alignment(cell.alignment) + '{' +
                        character(table.fontName, table.fontSize) + (heading ? "\\b " : " ");
                text(cell.text);
                out_ += "}\\cell\n";
            }
            out_ += "\\row\n";
        }
        mark_.follow(table);
    }

    const Document& document_;
    const QStringList fonts_;
    QByteArray out_;
    Mark mark_;
};

// ---------------------------------------------------------------- OpenDocument text

constexpr char OfficeNs[] = "urn:oasis:names:tc:opendocument:xmlns:office:1.0";
constexpr char StyleNs[] = "urn:oasis:names:tc:opendocument:xmlns:style:1.0";
constexpr char TextNs[] = "urn:oasis:names:tc:opendocument:xmlns:text:1.0";
constexpr char TableNs[] = "urn:oasis:names:tc:opendocument:xmlns:table:1.0";
constexpr char FoNs[] = "urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0";
constexpr char SvgNs[] = "urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0";
constexpr char ManifestNs[] = "urn:oasis:names:tc:opendocument:xmlns:manifest:1.0";
constexpr char MimeType[] = "application/vnd.oasis.opendocument.text";

QString cm(int twips) {
    return QString::number(twips / TwipsPerCm, 'f', 2) + QStringLiteral("cm");
}
QString pt(double size) {
    return QString::number(size, 'g', 6) + QStringLiteral("pt");
}

QString odfAlignment(int value) {
    switch (value) {
    case word::AlignCenter:
        return QStringLiteral("center");
    case word::AlignRight:
        return QStringLiteral("end");
    case word::AlignJustify:
        return QStringLiteral("justify");
    default:
        return QStringLiteral("start");
    }
}

void startDocument(QXmlStreamWriter& xml, const char* element) {
    xml.setAutoFormatting(false);
    xml.writeStartDocument();
    xml.writeNamespace(QString::fromLatin1(OfficeNs), QStringLiteral("office"));
    xml.writeNamespace(QString::fromLatin1(StyleNs), QStringLiteral("style"));
    xml.writeNamespace(QString::fromLatin1(TextNs), QStringLiteral("text"));
    xml.writeNamespace(QString::fromLatin1(TableNs), QStringLiteral("table"));
    xml.writeNamespace(QString::fromLatin1(FoNs), QStringLiteral("fo"));
    xml.writeNamespace(QString::fromLatin1(SvgNs), QStringLiteral("svg"));
    xml.writeStartElement(QString::fromLatin1(OfficeNs), QString::fromLatin1(element));
    xml.writeAttribute(QString::fromLatin1(OfficeNs), QStringLiteral("version"), QStringLiteral("1.2"));
}

void fontFaces(QXmlStreamWriter& xml, const QStringList& fonts) {
    xml.writeStartElement(QString::fromLatin1(OfficeNs), QStringLiteral("font-face-decls"));
    for (const QString& font : fonts) {
        xml.writeEmptyElement(QString::fromLatin1(StyleNs), QStringLiteral("font-face"));
        xml.writeAttribute(QString::fromLatin1(StyleNs), QStringLiteral("name"), font);
        xml.writeAttribute(QString::fromLatin1(SvgNs), QStringLiteral("font-family"),
                           QLatin1Char('\'') + font + QLatin1Char('\''));
    }
    xml.writeEndElement();
}

class OdtContent {
public:
    explicit OdtContent(const Document& document) : document_(document), fonts_(fontsOf(document)) {}

    // Empty when the writer fails.
    QByteArray content() {
        // A first pass over the body gathers the styles it names; the second writes them before it.
        {
            QByteArray scratch;
            QXmlStreamWriter xml(&scratch);
            body(xml);
        }
        QByteArray bytes;
        QXmlStreamWriter xml(&bytes);
        startDocument(xml, "document-content");
        fontFaces(xml, fonts_);
        xml.writeStartElement(QString::fromLatin1(OfficeNs), QStringLiteral("automatic-styles"));
        styles(xml);
        xml.writeEndElement();
        xml.writeStartElement(QString::fromLatin1(OfficeNs), QStringLiteral("body"));
        body(xml);
        xml.writeEndElement();
        xml.writeEndDocument();
        return xml.hasError() ? QByteArray() : bytes;
    }

    QStringList fonts() const { return fonts_; }

private:
    struct TextStyle {
        QString font;
        double size;
        bool bold;
        bool operator==(const TextStyle&) const = default;
    };
    struct ParagraphStyle {
        int alignment;
        bool pageBreak;
        TextStyle mark;
        QList<int> tabStops = {};
        bool operator==(const ParagraphStyle&) const = default;
    };
    struct TableStyle {
        QList<int> widths;
    };

    template <typename T> static int indexIn(QList<T>& list, const T& style) {
        const qsizetype at = list.indexOf(style);
        if (at >= 0)
            return static_cast<int>(at) + 1;
        list << style;
        return static_cast<int>(list.size());
    }

    void textProperties(QXmlStreamWriter& xml, const TextStyle& style) const {
        xml.writeEmptyElement(QString::fromLatin1(StyleNs), QStringLiteral("text-properties"));
        xml.writeAttribute(QString::fromLatin1(StyleNs), QStringLiteral("font-name"),
                           fontOrDefault(style.font));
        xml.writeAttribute(QString::fromLatin1(FoNs), QStringLiteral("font-family"),
                           fontOrDefault(style.font));
        xml.writeAttribute(QString::fromLatin1(FoNs), QStringLiteral("font-size"), pt(style.size));
        if (style.bold)
            xml.writeAttribute(QString::fromLatin1(FoNs), QStringLiteral("font-weight"),
                               QStringLiteral("bold"));
    }

    void startStyle(QXmlStreamWriter& xml, const QString& name, const char* family) const {
        xml.writeStartElement(QString::fromLatin1(StyleNs), QStringLiteral("style"));
        xml.writeAttribute(QString::fromLatin1(StyleNs), QStringLiteral("name"), name);
        xml.writeAttribute(QString::fromLatin1(StyleNs), QStringLiteral("family"),
                           QString::fromLatin1(family));
    }

    void styles(QXmlStreamWriter& xml) const {
        for (qsizetype i = 0; i < paragraphStyles_.size(); ++i) {
            const ParagraphStyle& style = paragraphStyles_[i];
            startStyle(xml, QStringLiteral("P%1").arg(i + 1), "paragraph");
            xml.writeAttribute(QString::fromLatin1(StyleNs), QStringLiteral("parent-style-name"),
                               QStringLiteral("Standard"));
            xml.writeStartElement(QString::fromLatin1(StyleNs), QStringLiteral("paragraph-properties"));
            xml.writeAttribute(QString::fromLatin1(FoNs), QStringLiteral("text-align"),
                               odfAlignment(style.alignment));
            if (style.pageBreak)
                xml.writeAttribute(QString::fromLatin1(FoNs), QStringLiteral("break-before"),
                                   QStringLiteral("page"));
            if (!style.tabStops.isEmpty()) {
                xml.writeStartElement(QString::fromLatin1(StyleNs), QStringLiteral("tab-stops"));
                for (const int stop : style.tabStops) {
                    xml.writeEmptyElement(QString::fromLatin1(StyleNs), QStringLiteral("tab-stop"));
                    xml.writeAttribute(QString::fromLatin1(StyleNs), QStringLiteral("position"), cm(stop));
                }
                xml.writeEndElement();
            }
            xml.writeEndElement();
            textProperties(xml, style.mark);
            xml.writeEndElement();
        }
        for (qsizetype i = 0; i < textStyles_.size(); ++i) {
            startStyle(xml, QStringLiteral("T%1").arg(i + 1), "text");
            textProperties(xml, textStyles_[i]);
            xml.writeEndElement();
        }
        for (qsizetype i = 0; i < tableStyles_.size(); ++i) {
            const QString name = QStringLiteral("Tabella%1").arg(i + 1);
            startStyle(xml, name, "table");
            xml.writeEmptyElement(QString::fromLatin1(StyleNs), QStringLiteral("table-properties"));
            xml.writeAttribute(QString::fromLatin1(StyleNs), QStringLiteral("width"), cm(TextWidth));
            xml.writeAttribute(QString::fromLatin1(TableNs), QStringLiteral("align"),
                               QStringLiteral("margins"));
            xml.writeEndElement();
            const QList<int>& widths = tableStyles_[i].widths;
            for (qsizetype c = 0; c < widths.size(); ++c) {
                startStyle(xml, name + QLatin1Char('.') + QString::number(c + 1), "table-column");
                xml.writeEmptyElement(QString::fromLatin1(StyleNs),
                                      QStringLiteral("table-column-properties"));
                xml.writeAttribute(QString::fromLatin1(StyleNs), QStringLiteral("column-width"),
                                   cm(widths[c]));
                xml.writeEndElement();
            }
        }
        startStyle(xml, QStringLiteral("Cella"), "table-cell");
        xml.writeEmptyElement(QString::fromLatin1(StyleNs), QStringLiteral("table-cell-properties"));
        xml.writeAttribute(QString::fromLatin1(FoNs), QStringLiteral("padding"), QStringLiteral("0.05cm"));
        xml.writeAttribute(QString::fromLatin1(FoNs), QStringLiteral("border"),
                           QStringLiteral("0.5pt solid #000000"));
        xml.writeEndElement();
    }

    // Blanks after a blank, or at the start of a paragraph, would collapse: they go out as counted spaces.
    void text(QXmlStreamWriter& xml, const QString& value) {
        QString pending;
        int blanks = 0;
        auto flushBlanks = [&] {
            if (blanks == 0)
                return;
            if (!afterBlank_) {
                pending += QLatin1Char(' ');
                --blanks;
            }
            if (blanks > 0) {
                xml.writeCharacters(pending);
                pending.clear();
                xml.writeEmptyElement(QString::fromLatin1(TextNs), QStringLiteral("s"));
                if (blanks > 1)
                    xml.writeAttribute(QString::fromLatin1(TextNs), QStringLiteral("c"),
                                       QString::number(blanks));
            }
            blanks = 0;
            afterBlank_ = true;
        };
        for (const QChar c : writable(value)) {
            if (c == QLatin1Char(' ')) {
                ++blanks;
                continue;
            }
            flushBlanks();
            if (c == QLatin1Char('\t') || c == QLatin1Char('\n')) {
                xml.writeCharacters(pending);
                pending.clear();
                xml.writeEmptyElement(QString::fromLatin1(TextNs), c == QLatin1Char('\t')
                                                                       ? QStringLiteral("tab")
                                                                       : QStringLiteral("line-break"));
                afterBlank_ = c == QLatin1Char('\n');
            } else {
                pending += c;
                afterBlank_ = false;
            }
        }
        flushBlanks();
        xml.writeCharacters(pending);
    }

    void span(QXmlStreamWriter& xml, const QString& value, const TextStyle& style) {
        xml.writeStartElement(QString::fromLatin1(TextNs), QStringLiteral("span"));
        xml.writeAttribute(QString::fromLatin1(TextNs), QStringLiteral("style-name"),
                           QStringLiteral("T%1").arg(indexIn(textStyles_, style)));
        text(xml, value);
        xml.writeEndElement();
    }

    void startParagraph(QXmlStreamWriter& xml, const ParagraphStyle& style) {
        xml.writeStartElement(QString::fromLatin1(TextNs), QStringLiteral("p"));
        xml.writeAttribute(QString::fromLatin1(TextNs), QStringLiteral("style-name"),
                           QStringLiteral("P%1").arg(indexIn(paragraphStyles_, style)));
        afterBlank_ = true;
    }

    void paragraph(QXmlStreamWriter& xml, const word::Paragraph& paragraph) {
        mark_.follow(paragraph);
        startParagraph(xml, {paragraph.alignment,
                             paragraph.pageBreakBefore,
                             {mark_.font, mark_.size, false},
                             paragraph.tabStops});
        for (const word::Run& run : paragraph.runs)
            if (!run.text.isEmpty())
                span(xml, run.text, {run.fontName, run.fontSize, false});
        xml.writeEndElement();
    }

    void body(QXmlStreamWriter& xml) {
        tables_ = 0;
        mark_ = Mark();
        xml.writeStartElement(QString::fromLatin1(OfficeNs), QStringLiteral("text"));
        const auto& blocks = document_.blocks();
        for (size_t i = 0; i < blocks.size(); ++i) {
            if (!written(blocks, i))
                continue;
            if (blocks[i].isTable)
                table(xml, *blocks[i].table);
            else
                paragraph(xml, blocks[i].paragraph);
        }
        xml.writeEndElement();
    }

    void table(QXmlStreamWriter& xml, const word::Table& table) {
        const int index = ++tables_;
        if (index > tableStyles_.size())
            tableStyles_.push_back({columnWidths(table)});
        const QString name = QStringLiteral("Tabella%1").arg(index);
        xml.writeStartElement(QString::fromLatin1(TableNs), QStringLiteral("table"));
        xml.writeAttribute(QString::fromLatin1(TableNs), QStringLiteral("name"), name);
        xml.writeAttribute(QString::fromLatin1(TableNs), QStringLiteral("style-name"), name);
        for (int c = 1; c <= table.columnCount(); ++c) {
            xml.writeEmptyElement(QString::fromLatin1(TableNs), QStringLiteral("table-column"));
            xml.writeAttribute(QString::fromLatin1(TableNs), QStringLiteral("style-name"),
                               name + QLatin1Char('.') + QString::number(c));
        }
        for (int r = 1; r <= table.rowCount(); ++r) {
            // The built-in table style sets its first row in bold and repeats it on every page.
            const bool heading = table.autoFormat && r == 1;
            if (heading)
                xml.writeStartElement(QString::fromLatin1(TableNs), QStringLiteral("table-header-rows"));
            xml.writeStartElement(QString::fromLatin1(TableNs), QStringLiteral("table-row"));
            for (int c = 1; c <= table.columnCount(); ++c) {
                const word::Cell& cell = table.cell(r, c);
                const TextStyle style{table.fontName, table.fontSize, heading};
                xml.writeStartElement(QString::fromLatin1(TableNs), QStringLiteral("table-cell"));
                xml.writeAttribute(QString::fromLatin1(TableNs), QStringLiteral("style-name"),
                                   QStringLiteral("Cella"));
                xml.writeAttribute(QString::fromLatin1(OfficeNs), QStringLiteral("value-type"),
                                   QStringLiteral("string"));
                startParagraph(xml, {cell.alignment, false, style});
                if (!cell.text.isEmpty())
                    span(xml, cell.text, style);
                xml.writeEndElement();
                xml.writeEndElement();
            }
            xml.writeEndElement();
            if (heading)
                xml.writeEndElement();
        }
        xml.writeEndElement();
        mark_.follow(table);
    }

    const Document& document_;
    const QStringList fonts_;
    QList<TextStyle> textStyles_;
    QList<ParagraphStyle> paragraphStyles_;
    QList<TableStyle> tableStyles_;
    Mark mark_;
    int tables_ = 0;
    bool afterBlank_ = true;
};

QByteArray odtStyles(const QStringList& fonts) {
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    startDocument(xml, "document-styles");
    fontFaces(xml, fonts);
    xml.writeStartElement(QString::fromLatin1(OfficeNs), QStringLiteral("styles"));
    xml.writeStartElement(QString::fromLatin1(StyleNs), QStringLiteral("default-style"));
    xml.writeAttribute(QString::fromLatin1(StyleNs), QStringLiteral("family"), QStringLiteral("paragraph"));
    xml.writeEmptyElement(QString::fromLatin1(StyleNs), QStringLiteral("text-properties"));
    xml.writeAttribute(QString::fromLatin1(StyleNs), QStringLiteral("font-name"), fonts.front());
    xml.writeAttribute(QString::fromLatin1(FoNs), QStringLiteral("font-size"), QStringLiteral("10pt"));
    xml.writeAttribute(QString::fromLatin1(FoNs), QStringLiteral("language"), QStringLiteral("it"));
    xml.writeAttribute(QString::fromLatin1(FoNs), QStringLiteral("country"), QStringLiteral("IT"));
    xml.writeEndElement();
    xml.writeStartElement(QString::fromLatin1(StyleNs), QStringLiteral("style"));
    xml.writeAttribute(QString::fromLatin1(StyleNs), QStringLiteral("name"), QStringLiteral("Standard"));
    xml.writeAttribute(QString::fromLatin1(StyleNs), QStringLiteral("family"), QStringLiteral("paragraph"));
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeStartElement(QString::fromLatin1(OfficeNs), QStringLiteral("automatic-styles"));
    xml.writeStartElement(QString::fromLatin1(StyleNs), QStringLiteral("page-layout"));
    xml.writeAttribute(QString::fromLatin1(StyleNs), QStringLiteral("name"), QStringLiteral("Pagina"));
    xml.writeEmptyElement(QString::fromLatin1(StyleNs), QStringLiteral("page-layout-properties"));
    xml.writeAttribute(QString::fromLatin1(FoNs), QStringLiteral("page-width"), cm(PageWidth));
    xml.writeAttribute(QString::fromLatin1(FoNs), QStringLiteral("page-height"), cm(PageHeight));
    for (const char* side : {"margin-top", "margin-bottom", "margin-left", "margin-right"})
        xml.writeAttribute(QString::fromLatin1(FoNs), QString::fromLatin1(side), cm(Margin));
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeStartElement(QString::fromLatin1(OfficeNs), QStringLiteral("master-styles"));
    xml.writeEmptyElement(QString::fromLatin1(StyleNs), QStringLiteral("master-page"));
    xml.writeAttribute(QString::fromLatin1(StyleNs), QStringLiteral("name"), QStringLiteral("Standard"));
    xml.writeAttribute(QString::fromLatin1(StyleNs), QStringLiteral("page-layout-name"),
                       QStringLiteral("Pagina"));
    xml.writeEndElement();
    xml.writeEndDocument();
    return xml.hasError() ? QByteArray() : bytes;
}

QByteArray odtManifest() {
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.writeStartDocument();
    xml.writeNamespace(QString::fromLatin1(ManifestNs), QStringLiteral("manifest"));
    xml.writeStartElement(QString::fromLatin1(ManifestNs), QStringLiteral("manifest"));
    xml.writeAttribute(QString::fromLatin1(ManifestNs), QStringLiteral("version"), QStringLiteral("1.2"));
    const std::array<std::pair<const char*, const char*>, 3> entries{
        {{"/", MimeType}, {"content.xml", "text/xml"}, {"styles.xml", "text/xml"}}};
    for (const auto& [path, type] : entries) {
        xml.writeEmptyElement(QString::fromLatin1(ManifestNs), QStringLiteral("file-entry"));
        xml.writeAttribute(QString::fromLatin1(ManifestNs), QStringLiteral("full-path"),
                           QString::fromLatin1(path));
        xml.writeAttribute(QString::fromLatin1(ManifestNs), QStringLiteral("media-type"),
                           QString::fromLatin1(type));
        if (QByteArray(path) == "/")
            xml.writeAttribute(QString::fromLatin1(ManifestNs), QStringLiteral("version"),
                               QStringLiteral("1.2"));
    }
    xml.writeEndDocument();
    return xml.hasError() ? QByteArray() : bytes;
}

// ---------------------------------------------------------------- zip package

quint32 crc32(const QByteArray& data) {
    static const std::array<quint32, 256> table = [] {
        std::array<quint32, 256> t{};
        for (quint32 n = 0; n < 256; ++n) {
            quint32 c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    quint32 crc = 0xFFFFFFFFu;
    for (const char byte : data)
        crc = table[(crc ^ static_cast<unsigned char>(byte)) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

class Zip {
public:
    // Entries are stored as they are, the mimetype first, as the format asks; the parts are small.
    void add(const QString& name, const QByteArray& data) {
        const Entry entry{name.toUtf8(), crc32(data), static_cast<quint32>(data.size()),
                          static_cast<quint32>(out_.size())};
        u32(0x04034b50);
        header(entry);
        u16(0); // no extra field
        out_ += entry.name;
        out_ += data;
        entries_.push_back(entry);
    }

    // Empty when the package outgrows what the headers can hold.
    QByteArray finish() {
        if (out_.size() > 0x7FFFFFFF || entries_.size() > 0xFFFF)
            return QByteArray();
        const auto directoryStart = static_cast<quint32>(out_.size());
        for (const Entry& entry : entries_) {
            u32(0x02014b50);
            u16(20); // made by
            header(entry);
            for (int i = 0; i < 4; ++i)
                u16(0); // extra field, comment, disk, internal attributes
            u32(0);     // external attributes
            u32(entry.offset);
            out_ += entry.name;
        }
        const auto directorySize = static_cast<quint32>(out_.size()) - directoryStart;
        u32(0x06054b50);
        u16(0);
        u16(0);
        u16(static_cast<quint16>(entries_.size()));
        u16(static_cast<quint16>(entries_.size()));
        u32(directorySize);
        u32(directoryStart);
        u16(0);
        return out_;
    }

private:
    struct Entry {
        QByteArray name;
        quint32 crc;
        quint32 size;
        quint32 offset;
    };
    // The part that the local header and the directory share, up to the name's length.
    void header(const Entry& entry) {
        u16(20);   // version needed
        u16(0);    // flags
        u16(0);    // stored
        u16(0);    // time
        u16(0x21); // date: 1 January 1980
        u32(entry.crc);
        u32(entry.size);
        u32(entry.size);
        u16(static_cast<quint16>(entry.name.size()));
    }
    void u16(quint16 v) {
        out_ += static_cast<char>(v & 0xFF);
        out_ += static_cast<char>(v >> 8);
    }
    void u32(quint32 v) {
        u16(static_cast<quint16>(v & 0xFFFF));
        u16(static_cast<quint16>(v >> 16));
    }
    QByteArray out_;
    std::vector<Entry> entries_;
};

// ---------------------------------------------------------------- HTML

// Word processors read a style only as far as they understand it, so every style names standard properties
// alone.
QString css(const QString& fontName, double size) {
    static const QRegularExpression unsafe(QStringLiteral("['\"\\\\;{}<>&]"));
    return QStringLiteral("font-family: '%1'; font-size: %2")
        .arg(fontOrDefault(fontName).remove(unsafe), pt(size));
}

// The style of a paragraph or cell before its font: no space around it, as in the other formats (LibreOffice
// takes a margin only with a unit, and on the paragraph itself), and its alignment.
QString blockStyle(int alignment) {
    static_assert(word::AlignLeft == 0 && word::AlignCenter == 1 && word::AlignRight == 2 &&
                  word::AlignJustify == 3);
    return QStringLiteral("margin-top: 0px; margin-bottom: 0px; text-align: %1; ")
        .arg(QStringList{"left", "center", "right", "justify"}.value(alignment, QStringLiteral("left")));
}

QString escaped(const QString& text) {
    return QString(text)
        .replace(QLatin1Char('&'), QStringLiteral("&amp;"))
        .replace(QLatin1Char('<'), QStringLiteral("&lt;"))
        .replace(QLatin1Char('>'), QStringLiteral("&gt;"));
}

// What a web page shows of a text: what no file can hold replaced, a tab as four blanks.
QString typed(const QString& text) {
    return writable(text).replace(QLatin1Char('\t'), QStringLiteral("    "));
}

// Readers of HTML collapse blanks: a blank stays ordinary only after a non-blank and before more of the line;
// every other one becomes a no-break blank.
QString keptBlanks(const QString& text) {
    QString result = text;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != QLatin1Char(' '))
            continue;
        const bool afterText = i > 0 && text[i - 1] != QLatin1Char(' ') && text[i - 1] != QLatin1Char('\n');
        const bool beforeText = i + 1 < text.size() && text[i + 1] != QLatin1Char('\n');
        if (!afterText || !beforeText)
            result[i] = QChar::Nbsp;
    }
    return result;
}

// The markup of a text whose blanks are already kept; a line break inside a cell is <br>.
QString markup(const QString& text) {
    return escaped(text)
        .replace(QChar::Nbsp, QStringLiteral("&nbsp;"))
        .replace(QLatin1Char('\n'), QStringLiteral("<br>"));
}

bool isTabRow(const Document::Block& block) {
    return !block.isTable && !block.paragraph.tabStops.isEmpty();
}

// Twips in the CSS pixels of a width attribute, 96 to the inch.
int pixels(int twips) {
    return qRound(twips / 15.0);
}

class HtmlWriter {
public:
    explicit HtmlWriter(const Document& document) : document_(document) {}

    QByteArray write() {
        out_ =
            QStringLiteral("<!DOCTYPE html>\n<html lang=\"it\">\n<head>\n<meta charset=\"utf-8\">\n<title>") +
            escaped(writable(document_.title())) + QStringLiteral("</title>\n<style>\nbody { ") +
            css(fontsOf(document_).front(), 10) + QStringLiteral(" }\n</style>\n</head>\n<body>\n");
        const auto& blocks = document_.blocks();
        for (size_t i = 0; i < blocks.size(); ++i) {
            if (!written(blocks, i))
                continue;
            if (blocks[i].isTable) {
                table(*blocks[i].table);
            } else if (isTabRow(blocks[i])) {
                // A page break starts a table of its own.
                size_t end = i + 1;
                while (end < blocks.size() && isTabRow(blocks[end]) && !blocks[end].paragraph.pageBreakBefore)
                    ++end;
                tabTable(blocks, i, end);
                i = end - 1;
            } else {
                paragraph(blocks[i].paragraph);
            }
        }
        out_ += QStringLiteral("</body>\n</html>\n");
        return out_.toUtf8();
    }

private:
    static QString startParagraph(bool pageBreak, int alignment, const QString& style) {
        return QStringLiteral("<p style=\"") +
               (pageBreak ? QStringLiteral("page-break-before: always; ") : QString()) +
               blockStyle(alignment) + style + QStringLiteral("\">");
    }

    // Word processors give an empty paragraph or cell nothing of the style of its element: a line break in a
    // span sets its size.
    static QString emptyParagraph(bool pageBreak, int alignment, const QString& style) {
        return startParagraph(pageBreak, alignment, style) + QStringLiteral("<span style=\"") + style +
               QStringLiteral("\"><br></span></p>");
    }

    void paragraph(const word::Paragraph& paragraph) {
        mark_.follow(paragraph);
        const QString mark = css(mark_.font, mark_.size);
        if (paragraph.text().isEmpty()) {
            out_ += emptyParagraph(paragraph.pageBreakBefore, paragraph.alignment, mark) + QLatin1Char('\n');
            return;
        }
        out_ += startParagraph(paragraph.pageBreakBefore, paragraph.alignment, mark);
        // Blanks collapse across runs, so the whole paragraph decides which of them must not break.
        QStringList pieces;
        for (const word::Run& run : paragraph.runs)
            pieces << typed(run.text);
        const QString text = keptBlanks(pieces.join(QString()));
        qsizetype from = 0;
        for (qsizetype i = 0; i < pieces.size(); ++i) {
            const word::Run& run = paragraph.runs[size_t(i)];
            const QString piece = markup(text.mid(from, pieces[i].size()));
            from += pieces[i].size();
            const QString style = css(run.fontName, run.fontSize);
            if (piece.isEmpty() || style == mark)
                out_ += piece;
            else
                out_ += QStringLiteral("<span style=\"") + style + QStringLiteral("\">") + piece +
                        QStringLiteral("</span>");
        }
        out_ += QStringLiteral("</p>\n");
    }

    void cell(const QString& tag, const QString& text, int alignment, const QString& style) {
        out_ += QLatin1Char('<') + tag + QStringLiteral(" style=\"") + blockStyle(alignment) + style +
                QStringLiteral("\">") +
                (text.isEmpty() ? emptyParagraph(false, alignment, style) : markup(keptBlanks(typed(text)))) +
                QStringLiteral("</") + tag + QLatin1Char('>');
    }

    // The table's own width and each column's, which add up to it.
    void startTable(const QList<int>& widths, const QString& attributes) {
        int edge = 0;
        QString columns;
        for (const int width : widths) {
            columns += QStringLiteral("<col width=\"%1\">").arg(pixels(edge + width) - pixels(edge));
            edge += width;
        }
        out_ += QStringLiteral("<table width=\"%1\" cellspacing=\"0\" ").arg(pixels(edge)) + attributes +
                QStringLiteral(">\n") + columns + QLatin1Char('\n');
    }

    void table(const word::Table& table) {
        startTable(columnWidths(table), QStringLiteral("border=\"1\" cellpadding=\"3\""));
        for (int r = 1; r <= table.rowCount(); ++r) {
            // The built-in table style sets its first row in bold and repeats it on every page.
            const bool heading = table.autoFormat && r == 1;
            out_ += heading ? QStringLiteral("<thead><tr>") : QStringLiteral("<tr>");
            for (int c = 1; c <= table.columnCount(); ++c)
                cell(heading ? QStringLiteral("th") : QStringLiteral("td"), table.cell(r, c).text,
                     table.cell(r, c).alignment,
                     css(table.fontName, table.fontSize) +
                         (heading ? QStringLiteral("; font-weight: bold") : QString()));
            out_ += heading ? QStringLiteral("</tr></thead>\n") : QStringLiteral("</tr>\n");
        }
        out_ += QStringLiteral("</table>\n");
        mark_.follow(table);
    }

    // Tab rows make a table without borders, its columns as far apart as the stops, the last one as wide as
    // what is left of the line.
    void tabTable(const std::vector<Document::Block>& blocks, size_t first, size_t end) {
        QList<int> widths;
        int left = 0;
        for (const int stop : blocks[first].paragraph.tabStops) {
            widths << stop - left;
            left = stop;
        }
        widths << std::max(TextWidth - left, 1440);
        startTable(widths,
                   blocks[first].paragraph.pageBreakBefore
                       ? QStringLiteral("border=\"0\" cellpadding=\"0\" style=\"page-break-before: always\"")
                       : QStringLiteral("border=\"0\" cellpadding=\"0\""));
        for (size_t i = first; i < end; ++i) {
            const word::Paragraph& row = blocks[i].paragraph;
            out_ += QStringLiteral("<tr>");
            for (const QString& text : row.text().split(QLatin1Char('\t')))
                cell(QStringLiteral("td"), text, word::AlignLeft,
                     css(row.runs.front().fontName, row.runs.front().fontSize));
            out_ += QStringLiteral("</tr>\n");
            mark_.follow(row);
        }
        out_ += QStringLiteral("</table>\n");
    }

    const Document& document_;
    QString out_;
    Mark mark_;
};

} // namespace

QByteArray rtf(const Document& document) {
    return RtfWriter(document).write();
}

QByteArray odt(const Document& document) {
    OdtContent content(document);
    const QByteArray contentXml = content.content();
    const QByteArray stylesXml = odtStyles(content.fonts());
    const QByteArray manifestXml = odtManifest();
    if (contentXml.isEmpty() || stylesXml.isEmpty() || manifestXml.isEmpty())
        return QByteArray();
    Zip zip;
    zip.add(QStringLiteral("mimetype"), QByteArray(MimeType));
    zip.add(QStringLiteral("content.xml"), contentXml);
    zip.add(QStringLiteral("styles.xml"), stylesXml);
    zip.add(QStringLiteral("META-INF/manifest.xml"), manifestXml);
    return zip.finish();
}

QByteArray html(const Document& document) {
    return HtmlWriter(document).write();
}

QByteArray plainText(const Document& document) {
    // A line break or tab inside a cell would split its row.
    static const QRegularExpression cellBreak(QStringLiteral("\\r\\n|[\\r\\n\\t\\x{2028}\\x{2029}]"));
    QStringList lines;
    for (const Document::Block& block : document.blocks()) {
        if (!block.isTable) {
            lines << writable(block.paragraph.text());
            continue;
        }
        for (int r = 1; r <= block.table->rowCount(); ++r) {
            QStringList cells;
            for (int c = 1; c <= block.table->columnCount(); ++c)
                cells << writable(
                    QString(block.table->cell(r, c).text).replace(cellBreak, QStringLiteral(" ")));
            lines << cells.join(QLatin1Char('\t'));
        }
    }
    return lines.join(QLatin1Char('\n')).toUtf8();
}

QString writable(const QString& text) {
    QString result = text;
    for (qsizetype i = 0; i < result.size(); ++i) {
        const QChar c = result[i];
        if (c.isHighSurrogate() && i + 1 < result.size() && result[i + 1].isLowSurrogate()) {
            ++i;
            continue;
        }
        const char16_t u = c.unicode();
        if (c.isSurrogate() || (u < 0x20 && u != u'\t' && u != u'\n') || u == 0xFFFE || u == 0xFFFF)
            result[i] = QChar::ReplacementCharacter;
    }
    return result;
}

} // namespace docwriters
