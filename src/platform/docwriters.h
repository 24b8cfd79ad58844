#pragma once

#include <QByteArray>
#include <QString>

namespace word {
class Document;
}

// The document in the files that other programs open. Those that word processors open (all but plain text)
// keep what the printouts set: the font and size of every run and of every paragraph mark, paragraph
// alignment, page breaks, tables cell by cell, and every blank as it was typed. The page is A4.
namespace docwriters {

// Rich Text Format, also what a ".doc" file holds.
QByteArray rtf(const word::Document& document);

// OpenDocument text, a zip package; empty when the package could not be written whole.
QByteArray odt(const word::Document& document);

// A web page that word processors open whole, in UTF-8, titled as the document: standard CSS
// alone, empty paragraphs at their sizes, tab tables as tables without borders.
QByteArray html(const word::Document& document);

// Plain text in UTF-8, a line per paragraph and per table row, its cells separated by tabs.
QByteArray plainText(const word::Document& document);

// The text with what no document file can hold replaced by U+FFFD: a lone UTF-16 surrogate, the code points
// that XML forbids (control characters other than tab and line feed, U+FFFE, U+FFFF).
QString writable(const QString& text);

} // namespace docwriters
