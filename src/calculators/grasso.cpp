#include "grasso.h"

#include "azona.h"
#include "celle.h"
#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/numbers.h"
#include "platform/textfiles.h"
#include "risultati.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

namespace {
FrameWindow::Setup impostazione() {
    FrameWindow::Setup s;
    s.name = QStringLiteral("grasso");
    s.caption = QStringLiteral("Zelvo: calcolo della massa grassa");
    s.layout = FrameWindow::Layout::Calculator;
    s.tooltips = FrameWindow::Tooltips::Cliccare;
    s.hint = QStringLiteral(
        "digita o scegli i dati del corpo nelle caselle bianche e leggi i risultati nelle caselle celesti");
    s.helpLines = {
        QStringLiteral("- Per una donna digitare il peso e scegliere altezza, circonferenza delle anche e "
                       "dell'addome;"),
        QStringLiteral(
            "- per un uomo scegliere il peso e digitare la circonferenza della vita e quella del polso;"),
        QStringLiteral("- prendere ogni misura sulla pelle due o tre volte e usarne la media;"),
        QStringLiteral(
            "- leggere la massa grassa e la massa magra, in percentuale e in chilogrammi, nelle caselle "
            "celesti;"),
        QStringLiteral(
            "- cliccare su 'dieta zona' per calcolare la dieta a zona con la massa magra della colonna.")};
    return s;
}

// The window's inputs: editable lists of the table's measures.
QComboBox* lista(QWidget* parent, const QString& name, int left, int top) {
    QComboBox* box = controls::editableList(parent, name, left, top, 975, 315);
    box->setMaxVisibleItems(15);
    return box;
}

template <class T> std::optional<T> elemento(const std::array<std::optional<T>, 62>& tabella, int indice) {
    if (indice < 0 || indice >= static_cast<int>(tabella.size()))
        return std::nullopt;
    return tabella[static_cast<std::size_t>(indice)];
}
} // namespace

grasso::grasso() : FrameWindow(impostazione()) {
    using namespace controls;
    QLabel* descrizione =
        label(this, QStringLiteral("Label1"),
              QStringLiteral("Finestra per valutare, in maniera rapida, la massa grassa in "
                             "percentuale e peso del corpo (indispensabile per la dieta 'a zona')"),
              240, 120, 9135, 615);
    descrizione->setFont(fonts::classicSans(12, true));

    QGroupBox* dati =
        celle::riquadro(this, QStringLiteral("Frame1"), QStringLiteral("calcolo della massa grassa (dati)"),
                        120, 840, 6975, 2295);
    for (const auto& [name, caption, left] :
         {std::tuple{"Label2", "donne", 240}, {"Label3", "uomini", 3600}}) {
        celle::didascalia(dati, QString::fromLatin1(name), QString::fromLatin1(caption), left, 360, 3135);
    }
    const QString tipPeso = QStringLiteral("peso della persona");
    celle::didascalia(dati, QStringLiteral("Label4"), QStringLiteral("peso (kg) "), 240, 720, 2175,
                      celle::Destra, tipPeso);
    pesod = textBox(dati, QStringLiteral("pesod"), 2400, 720, 975, 285);
    celle::didascalia(dati, QStringLiteral("Label5"), QStringLiteral("altezza (cm) "), 240, 1080, 2175,
                      celle::Destra, QStringLiteral("altezza della persona"));
    altezza = lista(dati, QStringLiteral("altezza"), 2400, 1080);
    celle::didascalia(dati, QStringLiteral("Label6"), QStringLiteral("circonferenza anche (cm) "), 240, 1440,
                      2175, celle::Destra,
                      QStringLiteral("circonferenza delle anche misurata nel punto più largo"));
    anche = lista(dati, QStringLiteral("anche"), 2400, 1440);
    celle::didascalia(
        dati, QStringLiteral("Label7"), QStringLiteral("circonferenza addome (cm) "), 240, 1800, 2175,
        celle::Destra,
        QStringLiteral("circonferenza della vita all'altezza dell'ombelico (non nel punto più stretto)"));
    addome = lista(dati, QStringLiteral("addome"), 2400, 1800);
    celle::didascalia(dati, QStringLiteral("Label8"), QStringLiteral("peso (kg) "), 3600, 720, 2175,
                      celle::Destra, tipPeso);
    peso = lista(dati, QStringLiteral("peso"), 5760, 720);
    celle::didascalia(dati, QStringLiteral("Label9"), QStringLiteral("circonferenza vita (cm) "), 3600, 1080,
                      2175, celle::Destra,
                      QStringLiteral("circonferenza della vita misurata all'altezza dell'ombelico"));
    vitino = textBox(dati, QStringLiteral("vitino"), 5760, 1080, 975, 285);
    celle::didascalia(
        dati, QStringLiteral("Label10"), QStringLiteral("circonferenza polso (cm) "), 3600, 1440, 2175,
        celle::Destra,
        QStringLiteral("circonferenza del polso della mano dominante nel punto in cui questo si piega"));
    polso = textBox(dati, QStringLiteral("polso"), 5760, 1440, 975, 285);

    QGroupBox* esiti = celle::riquadro(this, QStringLiteral("Frame2"),
                                       QStringLiteral("risultati del calcolo"), 120, 3240, 6975, 2055);
    for (const auto& [name, caption, left] :
         {std::tuple{"Label11", "donne", 4800}, {"Label12", "uomini", 5760}}) {
        celle::didascalia(esiti, QString::fromLatin1(name), QString::fromLatin1(caption), left, 240, 975);
    }
    struct Riga {
        const char* caption;
        const char* tip;
        QLabel** donne;
        const char* nomeDonne;
        QLabel** uomini;
        const char* nomeUomini;
    };
    const Riga righe[] = {
        {"massa grassa in percentuale del peso del corpo (%) ", "percentuale", &mgrassad, "mgrassad",
         &mgrassau, "mgrassau"},
        {"massa magra in percentuale del peso del corpo (%) ", "percentuale", &mmagrad, "mmagrad", &mmagrau,
         "mmagrau"},
        {"peso totale della massa grassa (kg) ", "valore assoluto", &grassokgd, "grassokgd", &grassokgu,
         "grassokgu"},
        {"peso totale della massa magra (kg) ", "valore assoluto", &magrokgd, "magrokgd", &magrokgu,
         "magrokgu"},
    };
    int top = 600;
    int numero = 13;
    for (const Riga& riga : righe) {
        celle::didascalia(esiti, QStringLiteral("Label%1").arg(numero++), QString::fromLatin1(riga.caption),
                          240, top, 4575, celle::Destra, QString::fromLatin1(riga.tip));
        *riga.donne = celle::valore(esiti, QString::fromLatin1(riga.nomeDonne), 4800, top, 975);
        *riga.uomini = celle::valore(esiti, QString::fromLatin1(riga.nomeUomini), 5760, top, 975);
        top += 240;
    }
    for (int i = 1; i <= 2; ++i) {
        zoniamo[i] = button(esiti, QStringLiteral("zoniamo(%1)").arg(i), QStringLiteral("dieta zona"),
                            i == 1 ? 4800 : 5760, 1560, 975, 375,
                            QStringLiteral("clicca per calcolare la dieta a zona"));
        connect(zoniamo[i], &QPushButton::clicked, this, [this, i] { zoniamo_Click(i); });
    }
    assurdi = label(esiti, QStringLiteral("assurdi"), QString(), 240, 1680, 4575, 255);
    setForeColor(assurdi, Red);

    QGroupBox* note = frame(this, QStringLiteral("Frame3"), QStringLiteral("Note:"), 7200, 840, 2175, 4455);
    Text1 = controls::note(note, QStringLiteral("Text1"), 120, 240, 1935, 4095,
                           textfiles::resource(QStringLiteral(":/calculators/notes/grasso.txt")));

    connect(pesod, &QLineEdit::textChanged, this, [this] { pesod_change(); });
    connect(vitino, &QLineEdit::textChanged, this, [this] { vitino_change(); });
    connect(polso, &QLineEdit::textChanged, this, [this] { polso_change(); });
    connect(anche, &QComboBox::activated, this, [this] { anche_Click(); });
    connect(anche->lineEdit(), &QLineEdit::textEdited, this, [this] { anche_Change(); });
    connect(addome, &QComboBox::activated, this, [this] { addome_Click(); });
    connect(addome->lineEdit(), &QLineEdit::textEdited, this, [this] { addome_Change(); });
    connect(altezza, &QComboBox::activated, this, [this] { altezza_Click(); });
    connect(altezza->lineEdit(), &QLineEdit::textEdited, this, [this] { altezza_Change(); });
    connect(peso, &QComboBox::activated, this, [this] { peso_Click(); });
    connect(peso->lineEdit(), &QLineEdit::textEdited, this, [this] { peso_Change(); });

    setTabOrder(pesod, altezza);
    setTabOrder(altezza, anche);
    setTabOrder(anche, addome);
    setTabOrder(addome, peso);
    setTabOrder(peso, vitino);
    setTabOrder(vitino, polso);
    setTabOrder(polso, zoniamo[1]);
    setTabOrder(zoniamo[1], zoniamo[2]);
}

void grasso::setup() {
    riempianche();
    riempiaddome();
    riempialtezza();
    riempipeso();
    riempisoglie();
    riempitabella1();
    riempitabella2();
    riempitabella3();
    riempitabella4();
}

void grasso::riempilista(QComboBox* lista, std::span<const TabelleGrasso::Voce> voci,
                         std::array<std::optional<double>, 62>& costanti) {
    const QSignalBlocker blocker(lista);
    std::size_t p = 1;
    for (const TabelleGrasso::Voce& voce : voci) {
        lista->addItem(QString::fromLatin1(voce.testo));
        costanti[p++] = voce.costante;
    }
    // Adding the first item chose it; the list starts with nothing chosen and an empty text.
    lista->setCurrentIndex(-1);
}

void grasso::riempianche() {
    riempilista(anche, TabelleGrasso::vociAnche(), tabelle.costanteanche);
}

void grasso::riempiaddome() {
    riempilista(addome, TabelleGrasso::vociAddome(), tabelle.costanteaddome);
}

void grasso::riempialtezza() {
    riempilista(altezza, TabelleGrasso::vociAltezza(), tabelle.costantealtezza);
}

void grasso::riempipeso() {
    const QSignalBlocker blocker(peso);
    for (const qint16 kg : TabelleGrasso::vociPeso())
        peso->addItem(num::toText(kg));
    peso->setCurrentIndex(-1);
}

void grasso::riempisoglie() {
    std::size_t i = 1;
    for (const qint16 soglia : TabelleGrasso::valoriSoglie())
        tabelle.soglie[i++] = soglia;
}

void grasso::riempicolonne(int prima, int ultima) {
    for (int c = prima; c <= ultima; ++c) {
        const std::span<const qint16> valori = TabelleGrasso::valoriColonna(c);
        std::size_t k = 0;
        for (int r = 1; r <= TabelleGrasso::Righe && k < valori.size(); ++r) {
            const TabelleGrasso::Tratto tratto = TabelleGrasso::trattoRiga(r);
            if (c >= tratto.prima && c <= tratto.ultima)
                tabelle.tabellauomini[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] = valori[k++];
        }
    }
}

void grasso::riempitabella1() {
    riempicolonne(1, 10);
}

void grasso::riempitabella2() {
    riempicolonne(11, 20);
}

void grasso::riempitabella3() {
    riempicolonne(21, 30);
}

void grasso::riempitabella4() {
    riempicolonne(31, 37);
}

void grasso::anche_Click() {
    indiceanche = anche->currentIndex() + 1;
    calcolagrasso();
}

void grasso::anche_Change() {
    controls::leaveUnchosen(anche);
    anche_Click();
}

void grasso::addome_Click() {
    indiceaddome = addome->currentIndex() + 1;
    calcolagrasso();
}

void grasso::addome_Change() {
    controls::leaveUnchosen(addome);
    addome_Click();
}

void grasso::altezza_Click() {
    indicealtezza = altezza->currentIndex() + 1;
    calcolagrasso();
}

void grasso::altezza_Change() {
    controls::leaveUnchosen(altezza);
    altezza_Click();
}

void grasso::peso_Click() {
    indicepeso = peso->currentIndex() + 1;
    calcolagrasso();
}

void grasso::peso_Change() {
    controls::leaveUnchosen(peso);
    peso_Click();
}

void grasso::pesod_change() {
    calcolagrasso();
}

void grasso::vitino_change() {
    differenza = num::leading(vitino->text()) - num::leading(polso->text());
    calcolagrasso();
}

void grasso::polso_change() {
    vitino_change();
}

void grasso::calcolagrasso() {
    assurdi->clear();
    using num::intFloor;
    using num::parse;
    using risultati::testo;
    try {
        // Women: hips plus abdomen, less height; a list with nothing chosen adds 0.
        const double ancheaddome = elemento(tabelle.costanteanche, indiceanche).value_or(0) +
                                   elemento(tabelle.costanteaddome, indiceaddome).value_or(0);
        mgrassad->setText(testo(
            intFloor((ancheaddome - elemento(tabelle.costantealtezza, indicealtezza).value_or(0)) * 100 +
                     0.5) /
            100));
        mmagrad->setText(testo(100 - parse(mgrassad->text())));
        if (num::leading(pesod->text()) != 0) {
            grassokgd->setText(testo(intFloor(parse(pesod->text()) * parse(mgrassad->text()) + 0.5) / 100));
            magrokgd->setText(testo(parse(pesod->text()) - parse(grassokgd->text())));
        }

        // Men: the row of the waist-minus-wrist threshold, the column of the chosen weight.
        std::size_t riga = 0;
        for (std::size_t i = 1; i <= TabelleGrasso::Righe; ++i) {
            if (differenza < tabelle.soglie[i].value_or(0)) {
                riga = i - 1;
                break;
            }
        }
        const auto& colonne = tabelle.tabellauomini[riga];
        const std::optional<qint16> cella = indicepeso >= 0 && indicepeso < static_cast<int>(colonne.size())
                                                ? colonne[static_cast<std::size_t>(indicepeso)]
                                                : std::nullopt;
        mgrassau->setText(cella ? num::toText(*cella) : QString());
        mmagrau->setText(testo(100 - parse(mgrassau->text())));
        grassokgu->setText(testo(intFloor(parse(peso->currentText()) * parse(mgrassau->text()) + 0.5) / 100));
        magrokgu->setText(testo(parse(peso->currentText()) - parse(grassokgu->text())));
    } catch (const std::exception&) {
        assurdi->setText(QStringLiteral("Attenzione: completare o modificare i dati."));
    }
}

void grasso::zoniamo_Click(int Index) {
    azona* zona = forms::get<azona>(QStringLiteral("azona"));
    if (!zona)
        return;
    if (Index == 2) {
        zona->magr->setText(magrokgu->text());
        zona->pes->setText(peso->currentText());
    } else {
        zona->magr->setText(magrokgd->text());
        zona->pes->setText(pesod->text());
    }
    forms::show(QStringLiteral("azona"));
}
