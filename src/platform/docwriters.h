#pragma once

#include <QByteArray>

namespace word {
class Document;
}

// The document in the files that word processors open as documents. Both keep what the printouts set:
// the font and size of every run and of every paragraph mark, paragraph alignment, page breaks, tables
// cell by cell, and every blank as it was typed. The page is A4.
namespace docwriters {

// Rich Text Format, also what a ".doc" file holds.
QByteArray rtf(const word::Document& document);

// OpenDocument text, a zip package.
QByteArray odt(const word::Document& document);

} // namespace docwriters
