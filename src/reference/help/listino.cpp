#include "listino.h"

#include "platform/numbers.h"
#include "platform/textfiles.h"

#include <QLocale>
#include <QRegularExpression>
#include <cmath>
#include <optional>

namespace {

// Reads fields one after another: a comma or a line end closes a field, quoted text keeps its commas,
// and a bare field that reads as a number with a decimal point is a number.
class Campi {
public:
    explicit Campi(const QString& text) : text_(text) {}

    std::optional<listino::Valore> prossimo() {
        saltaSpazi();
        if (pos_ >= text_.size())
            return std::nullopt;
        senzachiusura_ = false;
        listino::Valore valore;
        if (text_[pos_] == QLatin1Char('"')) {
            const qsizetype chiusura = text_.indexOf(QLatin1Char('"'), pos_ + 1);
            const qsizetype fine = chiusura < 0 ? text_.size() : chiusura;
            senzachiusura_ = chiusura < 0;
            valore = text_.mid(pos_ + 1, fine - pos_ - 1);
            pos_ = fine + 1;
            // Whatever stands between the closing quote and the next separator is dropped.
            while (pos_ < text_.size() && !separatore(text_[pos_]))
                ++pos_;
        } else {
            const qsizetype inizio = pos_;
            while (pos_ < text_.size() && !separatore(text_[pos_]))
                ++pos_;
            valore = nudo(text_.mid(inizio, pos_ - inizio).trimmed());
        }
        chiudiCampo();
        return valore;
    }

    // The last field read was quoted text without its closing quote: it ran to the end of the text.
    bool senzachiusura() const { return senzachiusura_; }

private:
    static bool separatore(QChar c) {
        return c == QLatin1Char(',') || c == QLatin1Char('\r') || c == QLatin1Char('\n');
    }

    static listino::Valore nudo(const QString& campo) {
        static const QRegularExpression numero(QStringLiteral(R"(^[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?$)"));
        if (campo.isEmpty())
            return std::monostate{};
        if (numero.match(campo).hasMatch()) {
            const double valore = num::leading(campo);
            if (std::isfinite(valore))
                return valore;
        }
        return campo;
    }

    void saltaSpazi() {
        while (pos_ < text_.size() && (text_[pos_] == QLatin1Char(' ') || text_[pos_] == QLatin1Char('\t')))
            ++pos_;
    }

    // A comma closes the field; a line end closes it together with any blank lines after it.
    void chiudiCampo() {
        if (pos_ >= text_.size())
            return;
        if (text_[pos_] == QLatin1Char(',')) {
            ++pos_;
            return;
        }
        while (pos_ < text_.size()) {
            saltaSpazi();
            if (pos_ < text_.size() && (text_[pos_] == QLatin1Char('\r') || text_[pos_] == QLatin1Char('\n')))
                ++pos_;
            else
                break;
        }
    }

    const QString& text_;
    qsizetype pos_ = 0;
    bool senzachiusura_ = false;
};

std::optional<double> numero(const listino::Valore& valore) {
    if (const double* n = std::get_if<double>(&valore))
        return *n;
    if (const QString* s = std::get_if<QString>(&valore)) {
        double n = 0;
        if (num::tryParse(s->trimmed(), n))
            return n;
    }
    return std::nullopt;
}

} // namespace

listino listino::leggi(const QString& path) {
    const textfiles::Contents letto = textfiles::read(path);
    if (letto.status == textfiles::Contents::Status::Read)
        return analizza(letto.text, letto.truncated);
    listino vuoto;
    vuoto.esito =
        letto.status == textfiles::Contents::Status::Missing ? Esito::Mancante : Esito::Inaccessibile;
    return vuoto;
}

listino listino::analizza(const QString& text, bool troncato) {
    listino l;
    Campi campi(text);
    if (auto intestazione = campi.prossimo())
        l.intestazione = *intestazione;
    const auto conteggio = campi.prossimo();
    const std::optional<double> n = conteggio ? numero(*conteggio) : std::nullopt;
    if (!n || *n < 0 || *n != std::floor(*n)) {
        l.esito = Esito::Illeggibile;
        return l;
    }
    l.annunciati = *n;
    const int daleggere = *n > Capienza ? Capienza : static_cast<int>(*n);
    for (int i = 0; i < daleggere; ++i) {
        auto nome = campi.prossimo();
        if (!nome)
            break;
        Prodotto p;
        p.nome = *nome;
        int letti = 1;
        for (Valore* campo : {&p.argomento, &p.prezzolistino, &p.prezzoofferta})
            if (auto v = campi.prossimo()) {
                *campo = *v;
                ++letti;
            }
        // Where the text was cut, the product it ends in may be only partly there: it is left out whole.
        if (troncato && (letti < 4 || campi.senzachiusura()))
            break;
        l.prodotti.push_back(p);
    }
    if (static_cast<int>(l.prodotti.size()) < daleggere)
        l.esito = troncato ? Esito::TroppoGrande : Esito::Corto;
    else if (*n > Capienza)
        l.esito = Esito::Troppi;
    return l;
}

QString listino::testo(const Valore& valore) {
    if (const double* n = std::get_if<double>(&valore))
        return num::toText(*n);
    if (const QString* s = std::get_if<QString>(&valore))
        return *s;
    return QString();
}

QString listino::inriga(const Valore& valore) {
    QString text = testo(valore);
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

QString listino::importo(const Valore& valore) {
    // The pattern ##,##0.00 with Italian symbols: thousands grouped by a point, two decimals after a comma.
    // A number the file quotes as text is still a number; only other text prints as it stands.
    if (const std::optional<double> n = numero(valore))
        return QLocale(QLocale::Italian, QLocale::Italy).toString(*n, 'f', 2);
    return testo(valore);
}

QString listino::avviso() const {
    const QString annunciatitesto = num::toText(annunciati);
    switch (esito) {
    case Esito::Completo:
        return QString();
    case Esito::Mancante:
        return QStringLiteral(
            "Listino non disponibile: il file listino.txt non si trova nella cartella corrente.");
    case Esito::Inaccessibile:
        return QStringLiteral(
            "Listino non disponibile: il file listino.txt si trova nella cartella corrente ma non "
            "può essere letto.");
    case Esito::Illeggibile:
        return QStringLiteral(
            "Listino non disponibile: il file listino.txt non indica un numero di prodotti valido.");
    case Esito::Troppi:
        return QStringLiteral("Il file listino.txt annuncia %1 prodotti: sono mostrati soltanto i primi %2.")
            .arg(annunciatitesto)
            .arg(Capienza);
    case Esito::Corto:
        return QStringLiteral("Il file listino.txt annuncia %1 prodotti ma ne contiene soltanto %2.")
            .arg(annunciatitesto)
            .arg(prodotti.size());
    case Esito::TroppoGrande:
        return QStringLiteral(
                   "Il file listino.txt è troppo grande: ne sono stati letti soltanto i primi %1 MB "
                   "(%2 prodotti).")
            .arg(textfiles::MaxBytes / (1024 * 1024))
            .arg(prodotti.size());
    }
    return QString();
}
