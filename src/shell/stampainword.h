#pragma once

#include "platform/word.h"

#include <QString>

// The steps every printout takes with the word processor; each leaves the document open for the user.
namespace stampainword {

// A new visible application into applicazioneword, a new document into documentoword, "Century Gothic".
word::Document* nuovodocumento();
// The two head lines: the program name at 20 pt and the subtitle at 16 pt, then the given ending.
void intestazione(const QString& ending = QString(2, word::CR));
// A paragraph added at the end of the document, with its size and text.
word::ParagraphObject paragrafo(double size, const QString& text);
// A table added at the end of the document into tabellaword, with its font size.
word::Table* tabella(int rows, int columns, double size);
// Right alignment of column c of the n-th table, through the selection.
void allineaadestra(int n, int c);
// The whole document justified, through the selection.
void giustifica();

} // namespace stampainword
