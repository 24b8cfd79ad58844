#pragma once

#include <QString>
#include <variant>
#include <vector>

// The maker's price list as read from its file: a header, a count and four fields per product, in the
// sequential comma-separated form (quoted text, bare numbers with a decimal point).
class listino {
public:
    static constexpr int Capienza = 100;
    // A field as the file gives it: nothing, text, or a number.
    using Valore = std::variant<std::monostate, QString, double>;

    struct Prodotto {
        Valore nome, argomento, prezzolistino, prezzoofferta;
    };

    enum class Esito {
        Completo,      // every announced product read
        Mancante,      // no file of that name
        Inaccessibile, // the file is there but cannot be opened
        Illeggibile,   // the count is missing or not a whole number from 0 up
        Troppi,        // more than the capacity announced and held: the first ones read
        Corto,         // the file ends before its count, or before the capacity when that is smaller
        TroppoGrande,  // the file is cut at the reading limit before its count
    };

    // Reads the file; never fails, the outcome says what was found.
    static listino leggi(const QString& path);
    // Reads the fields of a text already in memory; a truncated text is the first part of a longer file.
    static listino analizza(const QString& text, bool troncato = false);

    // A field as text: numbers with the decimal comma, text as it is.
    static QString testo(const Valore& valore);
    // A field as the window's one-line cells show it: as above, with each line break a blank.
    static QString inriga(const Valore& valore);
    // A field as the printout shows it: numbers, also those quoted as text, with grouping and two decimals;
    // any other text as it is.
    static QString importo(const Valore& valore);

    // What the window says about the file when it is not complete; empty when it is.
    QString avviso() const;

    Valore intestazione;
    std::vector<Prodotto> prodotti;
    double annunciati = 0;
    Esito esito = Esito::Completo;
};
