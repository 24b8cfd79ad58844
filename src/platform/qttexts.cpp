#include "qttexts.h"

#include <QTranslator>

namespace qttexts {
namespace {
struct Text {
    const char* context;
    const char* source;
    const char* italian;
};

// Contexts and source texts as Qt's dialogs ask for them (the class of the dialog or of its form).
constexpr Text texts[] = {
    {"QPrintSettingsOutput", "Pages", "Pagine"},
    {"QPrintSettingsOutput",
     "Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a "
     "hyphen. "
     "E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.",
     "Indicare le pagine o gli intervalli separati da virgole; un intervallo è dato da due numeri separati "
     "da un "
     "trattino. Per esempio 3,5-7,9 stampa le pagine 3, 5, 6, 7 e 9."},
    {"QPrintSettingsOutput", "Double Sided Printing", "Stampa fronte/retro"},
    {"QPrintSettingsOutput", "Off", "Disattivata"},
    {"QPrintSettingsOutput", "Long side binding", "Rilegatura sul lato lungo"},
    {"QPrintSettingsOutput", "Short side binding", "Rilegatura sul lato corto"},
    {"QPrintDialog", "Invalid Pages Definition", "Pagine indicate non valide"},
    {"QPrintDialog",
     "%1 does not follow the correct syntax. Please use ',' to separate ranges and pages, '-' to define "
     "ranges "
     "and make sure ranges do not intersect with each other.",
     "%1 non è scritto correttamente. Separare pagine e intervalli con ',', indicare un intervallo con '-' e "
     "fare in modo che gli intervalli non si sovrappongano."},
    {"QPrintDialog", "Duplex Settings Conflicts", "Impostazioni fronte/retro in conflitto"},
    {"QPrintDialog", "There are conflicts in duplex settings. Do you want to fix them?",
     "Le impostazioni fronte/retro sono in conflitto. Correggerle?"},
    {"QPrintPropertiesWidget", "Advanced", "Avanzate"},
    {"QPrintPropertiesWidget", "There are conflicts in some options. Please fix them.",
     "Alcune opzioni sono in conflitto: correggerle."},
    {"QPrintPropertiesDialog", "Advanced Option Conflicts", "Opzioni avanzate in conflitto"},
    {"QPrintPropertiesDialog", "There are conflicts in some advanced options. Do you want to fix them?",
     "Alcune opzioni avanzate sono in conflitto. Correggerle?"},
    {"QPrintPropertiesDialog", "Page Setup Conflicts", "Impostazioni della pagina in conflitto"},
    {"QPrintPropertiesDialog", "There are conflicts in page setup options. Do you want to fix them?",
     "Le impostazioni della pagina sono in conflitto. Correggerle?"},
    // The type column of the file dialog.
    {"QAbstractFileIconProvider", "Folder", "Cartella"},
    {"QAbstractFileIconProvider", "Drive", "Unità"},
};

class MissingItalian : public QTranslator {
public:
    bool isEmpty() const override { return false; }

    // The disambiguation is not compared: Qt gives one to "Folder" on some platforms and not on others.
    QString translate(const char* context, const char* sourceText, const char*, int) const override {
        for (const Text& text : texts)
            if (qstrcmp(context, text.context) == 0 && qstrcmp(sourceText, text.source) == 0)
                return QString::fromUtf8(text.italian);
        return {};
    }
};
} // namespace

QTranslator* missingItalian() {
    static MissingItalian translator;
    return &translator;
}

} // namespace qttexts
