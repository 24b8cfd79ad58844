#pragma once

#include "platform/word.h"

#include <QString>
#include <QStringList>

// The steps every printout takes with the word processor; each leaves the document open for the user.
namespace stampainword {

// A new visible application into applicazioneword, a new document into documentoword, "Century Gothic".
word::Document* nuovodocumento();
// The head lines, typed through the selection: the first at 20 pt, the second (where there is one) at 16 pt,
// each ending its paragraph, then the given number of blank paragraphs at the last line's size.
void intestazione(const QStringList& lines, int blanks);
// The usual head lines, the program name and the subtitle, then the given number of blank paragraphs.
void intestazione(int blanks = 1);
// A paragraph added at the end of the document, with its size and text.
word::ParagraphObject paragrafo(double size, const QString& text);
// A table added at the end of the document into tabellaword, with its font size.
word::Table* tabella(int rows, int columns, double size);
// Right alignment of column c of the n-th table, through the selection.
void allineaadestra(int n, int c);
// The whole document justified, through the selection.
void giustifica();

} // namespace stampainword
