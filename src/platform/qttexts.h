#pragma once

class QTranslator;

// Italian for the texts of Qt's own print and file dialogs that Qt's Italian catalogue leaves in English.
namespace qttexts {

// Kept for the life of the program. Installed after Qt's catalogue, it is asked first and answers only for
// its own texts, so Qt's catalogue still gives every other one.
QTranslator* missingItalian();

} // namespace qttexts
