#include "word.h"

#include "dialogs.h"
#include "documentwindow.h"
#include "docwriters.h"
#include "tabstops.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPdfWriter>
#include <QSaveFile>
#include <QScreen>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <cerrno>
#include <climits>
#include <cmath>

namespace word {

// ---------------------------------------------------------------- paragraphs and tables

QString Paragraph::text() const {
    QString result;
    for (const Run& run : runs)
        result += run.text;
    return result;
}

Table::Table(Document* document, int rows, int columns, const QString& name, double size)
    : fontSize(size), fontName(name), document_(document), rows_(std::max(rows, 1)),
      columns_(std::max(columns, 1)), cells_(static_cast<size_t>(rows_ * columns_)) {}

const Cell& Table::cell(int row, int column) const {
    row = std::clamp(row, 1, rows_);
    column = std::clamp(column, 1, columns_);
    return cells_[static_cast<size_t>((row - 1) * columns_ + (column - 1))];
}

Cell& Table::cell(int row, int column) {
    return const_cast<Cell&>(std::as_const(*this).cell(row, column));
}

Range Table::range() {
    return Range(document_, Range::Kind::WholeTable, 0, this);
}

Range Table::cellRange(int row, int column) {
    return Range(document_, Range::Kind::TableCell, 0, this, row, column);
}

void Table::selectColumn(int column) {
    if (Application* application = document_->application())
        application->selection().selectColumn(document_, this, column);
}

void Table::setAutoFormat(int format) {
    autoFormat = format;
    document_->changed();
}

// ---------------------------------------------------------------- ranges

Range::Range(Document* document, Kind kind, int index, Table* table, int row, int column)
    : document_(document), kind_(kind), index_(index), table_(table), row_(row), column_(column) {}

void Range::setFontSize(double size) {
    switch (kind_) {
    case Kind::EndOfDocument:
    case Kind::ParagraphObject:
        document_->objectFontSize_[index_] = size;
        break;
    case Kind::WholeTable:
    case Kind::TableCell:
        table_->fontSize = size;
        break;
    }
    document_->changed();
}

void Range::setText(const QString& text) {
    switch (kind_) {
    case Kind::EndOfDocument:
    case Kind::ParagraphObject: {
        const auto size = document_->objectFontSize_.find(index_);
        const double fontSize = size != document_->objectFontSize_.end() ? size->second : 10.0;
        document_->appendText(text, document_->currentFontName(), fontSize);
        if (!text.endsWith(CR) && !text.endsWith(QLatin1Char('\n')))
            document_->closeParagraph();
        break;
    }
    case Kind::TableCell: {
        // CR LF, CR and LF each end a line of the cell.
        QString cellText = text;
        cellText.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        cellText.replace(CR, QLatin1Char('\n'));
        table_->cell(row_, column_).text = cellText;
        break;
    }
    case Kind::WholeTable:
        break;
    }
    document_->changed();
}

// ---------------------------------------------------------------- documents

Document::Document(Application* application) : application_(application) {
    blocks_.push_back({});
}

void Document::changed() {
    ++revision_;
    DocumentWindow::documentChanged(this);
}

Paragraph& Document::openParagraph() {
    return blocks_.back().paragraph;
}

void Document::closeParagraph() {
    Block next;
    next.paragraph.alignment = openParagraph().alignment;
    blocks_.push_back(std::move(next));
}

void Document::appendText(const QString& text, const QString& fontName, double fontSize) {
    const size_t from = blocks_.size() - 1;
    QString piece;
    auto flush = [&] {
        if (!piece.isEmpty()) {
            openParagraph().runs.push_back({piece, fontName, fontSize});
            piece.clear();
        }
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == CR || c == QLatin1Char('\n')) {
            flush();
            if (openParagraph().runs.empty())
                openParagraph().runs.push_back({QString(), fontName, fontSize});
            closeParagraph();
            if (c == CR && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
                ++i;
        } else if (c == PageBreak) {
            flush();
            // The page starts with the paragraph that is open now, empty as yet.
            if (!openParagraph().runs.empty())
                closeParagraph();
            openParagraph().pageBreakBefore = true;
        } else {
            piece.append(c);
        }
    }
    flush();
    lineUpTabTables(from);
}

namespace {
bool holdsTabs(const Document::Block& block) {
    return !block.isTable && block.paragraph.text().contains(QLatin1Char('\t'));
}

QFont shownFont(const QString& fontName) {
    QFont font;
    font.setFamilies({fontName, QStringLiteral("DejaVu Sans")});
    return font;
}
} // namespace

// The lines that hold a tab, one after another, make a table: their stops come from the widest cells, with
// room to spare for a word processor that shows the font a little wider.
void Document::lineUpTabTables(size_t from) {
    while (from > 0 && holdsTabs(blocks_[from - 1]))
        --from;
    for (size_t first = from; first < blocks_.size();) {
        if (!holdsTabs(blocks_[first])) {
            ++first;
            continue;
        }
        size_t end = first;
        QStringList rows;
        for (; end < blocks_.size() && holdsTabs(blocks_[end]); ++end)
            rows << blocks_[end].paragraph.text();
        const Run& run = blocks_[first].paragraph.runs.front();
        QFont font = shownFont(run.fontName);
        font.setPixelSize(std::max(qRound(run.fontSize * 20), 1)); // a pixel to a twip
        const QFontMetricsF metrics(font);
        const auto width = [&metrics](qsizetype, const QString& cell) {
            return metrics.horizontalAdvance(cell) * 1.1;
        };
        QList<int> stops;
        for (const double at : tabstops::stops(rows, width, run.fontSize * 30))
            stops << qRound(at);
        for (size_t i = first; i < end; ++i)
            blocks_[i].paragraph.tabStops = stops;
        first = end;
    }
}

Range Document::bookmarkRange(const QString&) {
    return Range(this, Range::Kind::EndOfDocument, 0);
}

ParagraphObject Document::addParagraph(const Range&) {
    if (!openParagraph().runs.empty())
        closeParagraph();
    const int id = static_cast<int>(objectFontSize_.size()) + 1;
    objectFontSize_[id] = 10.0;
    changed();
    return ParagraphObject(this, id);
}

Table* Document::addTable(const Range&, int rows, int columns) {
    if (!openParagraph().runs.empty())
        closeParagraph();
    Block block;
    block.isTable = true;
    block.table = std::make_shared<Table>(this, rows, columns, fontName_, 10.0);
    Table* table = block.table.get();
    blocks_.insert(blocks_.end() - 1, std::move(block));
    changed();
    return table;
}

int Document::tableCount() const {
    int count = 0;
    for (const Block& block : blocks_)
        count += block.isTable ? 1 : 0;
    return count;
}

Table* Document::table(int n) const {
    int count = 0;
    for (const Block& block : blocks_)
        if (block.isTable && ++count == n)
            return block.table.get();
    return nullptr;
}

void Document::select() {
    if (application_)
        application_->selection().selectDocument(this);
}

void Document::alignAll(int alignment) {
    for (Block& block : blocks_) {
        if (!block.isTable) {
            block.paragraph.alignment = alignment;
            continue;
        }
        for (int r = 1; r <= block.table->rowCount(); ++r)
            for (int c = 1; c <= block.table->columnCount(); ++c)
                block.table->cell(r, c).alignment = alignment;
    }
    changed();
}

void Document::alignColumn(Table* table, int column, int alignment) {
    if (!table || column < 1 || column > table->columnCount())
        return;
    for (int r = 1; r <= table->rowCount(); ++r)
        table->cell(r, column).alignment = alignment;
    changed();
}

QStringList Document::paragraphTexts() const {
    QStringList texts;
    for (size_t i = 0; i < blocks_.size(); ++i) {
        const Block& block = blocks_[i];
        if (block.isTable)
            continue;
        if (i + 1 == blocks_.size() && block.paragraph.runs.empty())
            break;
        texts << block.paragraph.text();
    }
    return texts;
}

int Document::pageBreaks() const {
    int count = 0;
    for (const Block& block : blocks_)
        count += (!block.isTable && block.paragraph.pageBreakBefore) ? 1 : 0;
    return count;
}

QString Document::plainText() const {
    QStringList lines;
    for (const Block& block : blocks_) {
        if (!block.isTable) {
            lines << block.paragraph.text();
            continue;
        }
        for (int r = 1; r <= block.table->rowCount(); ++r) {
            QStringList cells;
            for (int c = 1; c <= block.table->columnCount(); ++c)
                cells << block.table->cell(r, c).text;
            lines << cells.join(QLatin1Char('\t'));
        }
    }
    return lines.join(QLatin1Char('\n'));
}

QString Document::title() const {
    if (!title_.isEmpty())
        return title_;
    auto size = [this](size_t i) {
        const bool text = i < blocks_.size() && !blocks_[i].isTable && !blocks_[i].paragraph.runs.empty();
        return text ? blocks_[i].paragraph.runs.front().fontSize : 0.0;
    };
    for (size_t i = size(0) == 20 && size(1) == 16 ? 2 : 0; i < blocks_.size(); ++i) {
        QString line = blocks_[i].isTable ? QString() : blocks_[i].paragraph.text().simplified();
        if (line.endsWith(QLatin1Char(':')))
            line.chop(1);
        if (line.size() > 60)
            line = line.left(59).trimmed() + QChar(0x2026);
        if (!line.isEmpty())
            return line;
    }
    return QStringLiteral("Documento");
}

void Document::setTitle(const QString& title) {
    title_ = title;
    changed();
}

namespace {
Qt::Alignment qtAlignment(int alignment) {
    switch (alignment) {
    case AlignCenter:
        return Qt::AlignHCenter;
    case AlignRight:
        return Qt::AlignRight;
    case AlignJustify:
        return Qt::AlignJustify;
    default:
        return Qt::AlignLeft;
    }
}

QTextCharFormat charFormat(const QString& fontName, double size, bool bold = false) {
    QTextCharFormat format;
    format.setFontFamilies(shownFont(fontName).families());
    format.setFontPointSize(size);
    if (bold)
        format.setFontWeight(QFont::Bold);
    return format;
}

} // namespace

std::unique_ptr<QTextDocument> Document::toTextDocument() const {
    // A text document lays out in pixels of the screen's resolution, as it turns its fonts' points to pixels.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double pixelsPerTwip = (screen ? qRound(screen->logicalDotsPerInchY()) : 96) / 1440.0;
    auto document = std::make_unique<QTextDocument>();
    QTextCursor cursor(document.get());
    bool first = true;
    for (size_t i = 0; i < blocks_.size(); ++i) {
        const Block& block = blocks_[i];
        if (block.isTable) {
            const Table& table = *block.table;
            QTextTableFormat format;
            format.setCellPadding(3);
            format.setCellSpacing(0);
            format.setBorder(table.autoFormat ? 1 : 0.5);
            format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
            format.setBorderCollapse(true);
            // The built-in table style repeats its first row on every page.
            format.setHeaderRowCount(table.autoFormat ? 1 : 0);
            QTextTable* qtable = cursor.insertTable(table.rowCount(), table.columnCount(), format);
            for (int r = 1; r <= table.rowCount(); ++r) {
                for (int c = 1; c <= table.columnCount(); ++c) {
                    QTextCursor cellCursor = qtable->cellAt(r - 1, c - 1).firstCursorPosition();
                    QTextBlockFormat blockFormat;
                    blockFormat.setAlignment(qtAlignment(table.cell(r, c).alignment));
                    cellCursor.setBlockFormat(blockFormat);
                    // The built-in table style sets its first row in bold. The lines of a cell stay one
                    // paragraph, as in the saved documents.
                    const QString text =
                        QString(table.cell(r, c).text).replace(QLatin1Char('\n'), QChar::LineSeparator);
                    cellCursor.insertText(
                        text, charFormat(table.fontName, table.fontSize, table.autoFormat && r == 1));
                }
            }
            // The block that follows a table is the next paragraph's.
            cursor.movePosition(QTextCursor::End);
            first = true;
            continue;
        }
        const Paragraph& paragraph = block.paragraph;
        QTextBlockFormat format;
        format.setAlignment(qtAlignment(paragraph.alignment));
        if (paragraph.pageBreakBefore)
            format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        QList<QTextOption::Tab> tabs;
        for (const int stop : paragraph.tabStops)
            tabs << QTextOption::Tab(stop * pixelsPerTwip, QTextOption::LeftTab);
        format.setTabPositions(tabs);
        if (first)
            cursor.setBlockFormat(format);
        else
            cursor.insertBlock(format);
        first = false;
        for (const Run& run : paragraph.runs)
            cursor.insertText(run.text, charFormat(run.fontName, run.fontSize));
    }
    return document;
}

namespace {
// The save failures users meet, in words of the program's own; the system's text is English.
QString failureReason(int code) {
    switch (code) {
    case ENOENT:
        return QStringLiteral("in questa cartella non si possono creare file");
    case ENOTDIR:
        return QStringLiteral("una parte del percorso non è una cartella");
    case EACCES:
    case EPERM:
        return QStringLiteral("non si hanno i permessi per scrivere in questa cartella");
    case EROFS:
        return QStringLiteral("il disco è di sola lettura");
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return QStringLiteral("il disco è pieno");
    case ENAMETOOLONG:
        return QStringLiteral("il nome del file è troppo lungo");
    case EISDIR:
        return QStringLiteral("esiste già una cartella con questo nome");
    default:
        return QStringLiteral("scrittura non riuscita");
    }
}

// The system's limits on a name and on a whole path, its terminating zero included. A longer path is refused
// before the system looks at any of its folders, so they would all seem missing.
constexpr qsizetype MaxName = 255;
#ifdef PATH_MAX
constexpr qsizetype MaxPath = PATH_MAX;
#else
constexpr qsizetype MaxPath = 4096;
#endif

// What stands in the way before anything is written, or an empty text when the place looks writable.
QString obstacle(const QString& path) {
    const QFileInfo target(path);
    if (QFile::encodeName(target.fileName()).size() > MaxName ||
        QFile::encodeName(target.absoluteFilePath()).size() >= MaxPath)
        return failureReason(ENAMETOOLONG);
    if (target.isDir())
        return failureReason(EISDIR);
    if (dialogs::isReadOnly(path))
        return QStringLiteral("il file è di sola lettura");
    // The nearest part of the path that exists decides: a file there means the path cannot go on.
    QFileInfo folder(target.absolutePath());
    while (!folder.exists() && !folder.isRoot())
        folder = QFileInfo(folder.absolutePath());
    if (!folder.isDir())
        return QStringLiteral("\"%1\" non è una cartella")
            .arg(QDir::toNativeSeparators(folder.absoluteFilePath()));
    if (folder.absoluteFilePath() != QFileInfo(target.absolutePath()).absoluteFilePath())
        return QStringLiteral("la cartella \"%1\" non esiste")
            .arg(QDir::toNativeSeparators(target.absolutePath()));
    return QString();
}
} // namespace

bool Document::saveAs(const QString& path, QString* error) const {
    const QString suffix = QFileInfo(path).suffix().toLower();
    auto fail = [&](const QString& reason) {
        if (error)
            *error = QStringLiteral("Impossibile salvare il documento \"%1\": %2.")
                         .arg(QDir::toNativeSeparators(path), reason);
        return false;
    };
    if (path.isEmpty())
        return fail(QStringLiteral("nome del file mancante"));
    if (const QString reason = obstacle(path); !reason.isEmpty())
        return fail(reason);
    QByteArray bytes;
    if (suffix == QLatin1String("doc") || suffix == QLatin1String("rtf")) {
        bytes = docwriters::rtf(*this);
    } else if (suffix == QLatin1String("odt")) {
        bytes = docwriters::odt(*this);
        if (bytes.isEmpty())
            return fail(QStringLiteral("il documento non si è potuto scrivere in questo formato"));
    } else if (suffix == QLatin1String("pdf")) {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setTitle(QFileInfo(path).completeBaseName());
        toTextDocument()->print(&writer);
    } else if (suffix == QLatin1String("txt")) {
        bytes = docwriters::plainText(*this);
    } else {
        bytes = docwriters::html(*this);
    }
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        return fail(failureReason(errno));
    errno = 0;
    if (file.write(bytes) != bytes.size()) {
        const int code = errno;
        file.cancelWriting();
        return fail(failureReason(code));
    }
    errno = 0;
    if (!file.commit())
        return fail(failureReason(errno));
    return true;
}

// ---------------------------------------------------------------- selection

void Selection::setFontName(const QString& name) {
    fontName_ = name;
    if (Document* doc = document())
        doc->setCurrentFontName(name);
}

void Selection::setFontSize(double size) {
    fontSize_ = size;
}

Document* Selection::document() const {
    return document_ ? document_ : application_->activeDocument();
}

void Selection::typeText(const QString& text) {
    Document* doc = document();
    if (!doc)
        return;
    target_ = Target::InsertionPoint;
    doc->appendText(text, fontName_.isEmpty() ? doc->currentFontName() : fontName_, fontSize_);
    doc->changed();
}

void Selection::setAlignment(int alignment) {
    Document* doc = document();
    if (!doc)
        return;
    switch (target_) {
    case Target::WholeDocument:
        doc->alignAll(alignment);
        break;
    case Target::Column:
        doc->alignColumn(table_, column_, alignment);
        break;
    case Target::InsertionPoint:
        break;
    }
}

void Selection::selectDocument(Document* doc) {
    document_ = doc;
    target_ = Target::WholeDocument;
}

void Selection::selectColumn(Document* doc, Table* table, int column) {
    document_ = doc;
    table_ = table;
    column_ = column;
    target_ = Target::Column;
}

// ---------------------------------------------------------------- application

namespace {
bool showWindows = true;
} // namespace

Application::Application() : selection_(this) {}

Application::~Application() {
    for (auto& doc : documents_)
        doc->detach();
}

void Application::setVisible(bool visible) {
    visible_ = visible;
    if (visible && showWindows)
        for (auto& doc : documents_)
            DocumentWindow::open(doc);
}

Document* Application::addDocument() {
    auto doc = std::make_shared<Document>(this);
    documents_.push_back(doc);
    selection_ = Selection(this);
    if (visible_ && showWindows)
        DocumentWindow::open(doc);
    return doc.get();
}

Document* Application::document(int n) const {
    if (n < 1 || n > documentCount())
        return nullptr;
    return documents_[static_cast<size_t>(n - 1)].get();
}

std::shared_ptr<Document> Application::sharedDocument(int n) const {
    if (n < 1 || n > documentCount())
        return nullptr;
    return documents_[static_cast<size_t>(n - 1)];
}

void Application::setShowWindows(bool show) {
    showWindows = show;
}

} // namespace word
