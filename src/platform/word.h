#pragma once

#include <QString>
#include <QStringList>
#include <map>
#include <memory>
#include <vector>

class QTextDocument;

// The word processor the printouts drive: an object model in the shape of the classic automation
// interface (application, documents, selection, ranges, paragraphs, tables), kept in memory and
// shown in a document window of the program, from which the user prints or saves it.
namespace word {

constexpr QChar CR = QChar(13);
constexpr QChar PageBreak = QChar(12);
constexpr int AlignLeft = 0;
constexpr int AlignCenter = 1;
constexpr int AlignRight = 2;
constexpr int AlignJustify = 3;

class Application;
class Document;
class Table;
class Range;

struct Run {
    QString text;
    QString fontName;
    double fontSize = 10;
};

struct Paragraph {
    std::vector<Run> runs;
    int alignment = AlignLeft;
    bool pageBreakBefore = false;
    // Where the columns of a tab table begin, in twips from the left margin; empty outside tables.
    QList<int> tabStops;
    QString text() const;
};

struct Cell {
    QString text;
    int alignment = AlignLeft;
};

// A table of the document; rows and columns count from 1.
class Table {
public:
    Table(Document* document, int rows, int columns, const QString& fontName, double fontSize);

    int rowCount() const { return rows_; }
    int columnCount() const { return columns_; }
    const Cell& cell(int row, int column) const;
    Cell& cell(int row, int column);
    // Range, Cell(row, column).Range, Columns(column).Select and AutoFormat of the automation model.
    Range range();
    Range cellRange(int row, int column);
    void selectColumn(int column);
    void setAutoFormat(int format);
    double fontSize = 10;
    QString fontName;
    int autoFormat = 0;

private:
    Document* document_;
    int rows_;
    int columns_;
    std::vector<Cell> cells_;
};

// What a range stands for: the end of the document, a paragraph object, a table or one cell.
class Range {
public:
    enum class Kind { EndOfDocument, ParagraphObject, WholeTable, TableCell };

    Range(Document* document, Kind kind, int index = 0, Table* table = nullptr, int row = 0, int column = 0);

    // Font.Size: the size of the text that this range is given next (a table: its whole text).
    void setFontSize(double size);
    // Text: writes the text; CR ends a paragraph, the page-break character starts a new page.
    void setText(const QString& text);

private:
    Document* document_;
    Kind kind_;
    int index_;
    Table* table_;
    int row_;
    int column_;
};

// A paragraph object returned by Paragraphs.Add: writing to its range appends at its place.
class ParagraphObject {
public:
    ParagraphObject(Document* document, int index) : document_(document), index_(index) {}
    Range range() const { return Range(document_, Range::Kind::ParagraphObject, index_); }

private:
    Document* document_;
    int index_;
};

// One document: paragraphs and tables in order.
class Document {
public:
    explicit Document(Application* application);

    struct Block {
        bool isTable = false;
        Paragraph paragraph;
        std::shared_ptr<Table> table;
    };

    // The range of a built-in bookmark; only "\endofdoc" exists.
    Range bookmarkRange(const QString& name);
    // Content.Paragraphs.Add(range): a new paragraph at the end of the document.
    ParagraphObject addParagraph(const Range& at);
    // Tables.Add(range, rows, columns): a new table at the end of the document.
    Table* addTable(const Range& at, int rows, int columns);
    int tableCount() const;
    // Tables(n), counting from 1; nullptr outside the range.
    Table* table(int n) const;
    // Select: the whole document becomes the selection.
    void select();
    // SaveAs: the format follows the extension, in any case: .odt, .pdf, .rtf and .doc (Rich Text), .txt,
    // anything else HTML. On failure returns false, leaves any existing file untouched and sets an Italian
    // message.
    bool saveAs(const QString& path, QString* error = nullptr) const;

    // Inspection, for the document window and for tests.
    const std::vector<Block>& blocks() const { return blocks_; }
    QStringList paragraphTexts() const;
    int pageBreaks() const;
    QString plainText() const;
    // What the document is about, as its window and its web page name it: the title it was given, else the
    // first line after the two head lines that the program's printouts start with (20 and 16 pt), else its
    // first line.
    QString title() const;
    void setTitle(const QString& title);
    // The document as the window shows it and as it is printed, tab tables at their stops.
    std::unique_ptr<QTextDocument> toTextDocument() const;
    // Bumped at every change, so a window knows when to render again.
    quint64 revision() const { return revision_; }

    // Used by ranges and the selection.
    void appendText(const QString& text, const QString& fontName, double fontSize);
    void alignAll(int alignment);
    void alignColumn(Table* table, int column, int alignment);
    QString currentFontName() const { return fontName_; }
    void setCurrentFontName(const QString& name) { fontName_ = name; }
    void detach() { application_ = nullptr; }
    Application* application() const { return application_; }
    void changed();

private:
    Paragraph& openParagraph();
    void closeParagraph();
    void lineUpTabTables(size_t from);

    Application* application_;
    std::vector<Block> blocks_;
    QString fontName_ = QStringLiteral("Times New Roman");
    QString title_;
    quint64 revision_ = 0;
    friend class Range;
    std::map<int, double> objectFontSize_;
};

// The selection of an application: the insertion point, the whole document or one table column.
class Selection {
public:
    explicit Selection(Application* application) : application_(application) {}

    void setFontName(const QString& name);
    void setFontSize(double size);
    void typeText(const QString& text);
    // ParagraphFormat.Alignment of what is selected.
    void setAlignment(int alignment);
    Document* document() const;

    void selectDocument(Document* document);
    void selectColumn(Document* document, Table* table, int column);

private:
    Application* application_;
    QString fontName_;
    double fontSize_ = 10;
    enum class Target { InsertionPoint, WholeDocument, Column } target_ = Target::InsertionPoint;
    Document* document_ = nullptr;
    Table* table_ = nullptr;
    int column_ = 0;
};

// An application: its documents and its selection. Visible, it shows each document in a window.
class Application {
public:
    Application();
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    void setVisible(bool visible);
    bool isVisible() const { return visible_; }

    // Documents.Add with every argument omitted.
    Document* addDocument();
    int documentCount() const { return static_cast<int>(documents_.size()); }
    // Documents(n), counting from 1; nullptr outside the range.
    Document* document(int n) const;
    std::shared_ptr<Document> sharedDocument(int n) const;
    Document* activeDocument() const { return documents_.empty() ? nullptr : documents_.back().get(); }
    Selection& selection() { return selection_; }

    // Every document window opened so far stays open on its own; tests can turn windows off.
    static void setShowWindows(bool show);

private:
    bool visible_ = false;
    std::vector<std::shared_ptr<Document>> documents_;
    Selection selection_;
};

} // namespace word
