#include "prodotti.h"

#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/numbers.h"
#include "platform/shellopen.h"
#include "platform/textfiles.h"
#include "platform/twips.h"
#include "shell/modzelvo.h"
#include "shell/openers.h"
#include "shell/stampainword.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

namespace {
constexpr int LarghezzaInterna = 9480;
constexpr int AltezzaInterna = 6420;

QFont grassetto(QFont font) {
    font.setBold(true);
    return font;
}
} // namespace

prodotti::prodotti() : ProportionedForm(QStringLiteral("prodotti")) {
    using namespace controls;
    setWindowTitle(QStringLiteral("prodotti software VORTANEL"));
    resize(twips::px(LarghezzaInterna), twips::px(AltezzaInterna));
    setBackColor(this, LightYellow);

    cmdsommario = button(this, QStringLiteral("cmdsommario"), QStringLiteral("&Sommario"), 120, 120, 1215,
                         375, QStringLiteral("cliccare per visualizzare il sommario della guida"));
    cmdstampa = button(this, QStringLiteral("cmdstampa"), QStringLiteral("S&tampa"), 1320, 120, 1215, 375,
                       QStringLiteral("cliccare per stampare il listino"));
    cmdchiudi = button(this, QStringLiteral("cmdchiudi"), QStringLiteral("&Chiudi"), 2520, 120, 1215, 375,
                       QStringLiteral("cliccare per chiudere la finestra sui prodotti"));
    Command1 = button(this, QStringLiteral("Command1"), QStringLiteral("Sito: ") + QLatin1String(Sito), 6480,
                      480, 2415, 375, QStringLiteral("clicca per accedere al sito"));
    Command2 = button(this, QStringLiteral("Command2"), QStringLiteral("Email: ") + QLatin1String(Posta),
                      6480, 840, 2415, 375, QStringLiteral("clicca per inviare un'email"));

    Label1 = label(this, QStringLiteral("Label1"),
                   QStringLiteral("VERSIONI PROFESSIONALI PER WINDOWS - LISTINO"), 600, 840, 4815, 255);
    Label10 = label(this, QStringLiteral("Label10"), QString(), 5400, 840, 855, 255);
    for (QLabel* l : {Label1, Label10}) {
        l->setFont(grassetto(l->font()));
        setForeColor(l, Blue);
        setBackColor(l, LightYellow);
    }

    struct Intestazione {
        const char* nome;
        const char* testo;
        const char* suggerimento;
        int left, width, height;
    };
    const Intestazione intestazioni[] = {
        {"Label2", "num.", "", 600, 495, 495},
        {"Label3", "nome programma", "", 1080, 1455, 495},
        {"Label4", "argomento trattato ", "", 2520, 3975, 255},
        {"Label5", "costo netto in euro",
         "al costo netto bisogna aggiungere l'IVA e le eventuali spese di trasporto", 6480, 1215, 495},
        {"Label6", "via internet a euro", "per chi acquista via internet", 7680, 1215, 495},
    };
    for (const Intestazione& i : intestazioni) {
        QLabel* l = cell(this, QString::fromLatin1(i.nome), QString::fromUtf8(i.testo), i.left, 1320, i.width,
                         i.height);
        l->setFont(grassetto(l->font()));
        l->setToolTip(QString::fromUtf8(i.suggerimento));
        setForeColor(l, Black);
    }
    Label11 =
        cell(this, QStringLiteral("Label11"),
             QStringLiteral("(per offerte e opportunità vedi il catalogo sul sito)"), 2520, 1560, 3975, 255);
    Label11->setToolTip(QStringLiteral("esistono versioni ridotte dal costo minore"));
    setForeColor(Label11, Black);

    VScroll1 = tableScrollBar(this, QStringLiteral("VScroll1"), 120, 1920, 375, 2415);
    VScroll1->setRange(1, 1);
    VScroll1->setPageStep(10);
    VScroll1->setSingleStep(1);
    VScroll1->setValue(1);
    // The list follows the thumb when it is released, not while it is dragged.
    VScroll1->setTracking(false);

    QList<QWidget*> rows;
    QFont comic = grassetto(fonts::classicSans(8.25));
    comic.setFamilies({QStringLiteral("Comic Sans MS"), comic.family()});
    for (int i = 1; i <= Righe; ++i) {
        const int top = 1920 + 240 * (i - 1);
        num[i] = cell(this, QStringLiteral("num(%1)").arg(i), num::toText(i), 600, top, 495, 255);
        setForeColor(num[i], Black);
        nom[i] = cell(this, QStringLiteral("nom(%1)").arg(i), QString(), 1080, top, 1455, 255);
        nom[i]->setFont(comic);
        argom[i] = cell(this, QStringLiteral("argom(%1)").arg(i), QString(), 2520, top, 3975, 255);
        argom[i]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        eur[i] = cell(this, QStringLiteral("eur(%1)").arg(i), QString(), 6480, top, 1215, 255);
        off[i] = cell(this, QStringLiteral("off(%1)").arg(i), QString(), 7680, top, 1215, 255);
        for (QLabel* prezzo : {eur[i], off[i]}) {
            prezzo->setFont(grassetto(prezzo->font()));
            prezzo->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        }
        for (QLabel* l : {nom[i], argom[i], eur[i]})
            setForeColor(l, DarkBlue);
        setForeColor(off[i], Red);
        for (QLabel* l : {num[i], nom[i], argom[i], eur[i], off[i]})
            l->setWordWrap(false);
        rows << num[i] << nom[i] << argom[i] << eur[i] << off[i];
    }

    scrollWithWheel(VScroll1, rows);

    Label8 = label(this, QStringLiteral("Label8"),
                   textfiles::resource(QStringLiteral(":/reference/help/sconto.txt")), 600, 4440, 8295, 255);
    Label8->setFont(grassetto(Label8->font()));
    Label8->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setForeColor(Label8, Red);
    setBackColor(Label8, Yellow);
    Label7 =
        cell(this, QStringLiteral("Label7"),
             textfiles::resource(QStringLiteral(":/reference/help/condizioni.txt")), 600, 4800, 8295, 1455);
    Label7->setWordWrap(true);
    Label7->setToolTip(QStringLiteral("per qualsiasi informazione scrivete a ") + QLatin1String(Posta));
    setForeColor(Label7, DarkBlue);

    connect(VScroll1, &QScrollBar::valueChanged, this, [this] { VScroll1_Change(); });
    connect(cmdsommario, &QPushButton::clicked, this, [this] { cmdSommario_Click(); });
    connect(cmdstampa, &QPushButton::clicked, this, [this] { cmdstampa_Click(); });
    connect(cmdchiudi, &QPushButton::clicked, this, [this] { cmdchiudi_Click(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
}

void prodotti::Form_Load() {
    sizeToScreen();
    fixSize(LarghezzaInterna, AltezzaInterna);
    leggilistino();
}

void prodotti::leggilistino() {
    const listino letto = listino::leggi(QStringLiteral("listino.txt"));
    ModZelvo::intestazionelistino = listino::testo(letto.intestazione);
    numeroprodotti = static_cast<int>(letto.prodotti.size());
    for (int i = 1; i <= numeroprodotti; ++i) {
        const listino::Prodotto& p = letto.prodotti[static_cast<size_t>(i - 1)];
        nomeprodotto[i] = p.nome;
        argomentoprodotto[i] = p.argomento;
        prezzolistino[i] = p.prezzolistino;
        prezzoofferta[i] = p.prezzoofferta;
    }
    Label10->setText(listino::inriga(letto.intestazione));
    if (letto.esito != listino::Esito::Completo) {
        // The note on further copies gives way to what went wrong with the file.
        Label8->setText(letto.avviso());
        Label8->setToolTip(
            QStringLiteral("file cercato: ") +
            QDir::toNativeSeparators(QDir::current().absoluteFilePath(QStringLiteral("listino.txt"))));
    }
    // With fewer than ten products there is nothing to scroll: the bar stays at 1.
    VScroll1->setMaximum(std::max(1, numeroprodotti - 9));
    VScroll1_Change();
}

void prodotti::VScroll1_Change() {
    primariga = VScroll1->value();
    for (int i = 1; i <= Righe; ++i) {
        const int j = primariga + i - 1;
        num[i]->setText(num::toText(j));
        // A row is one line high: a line break in a cell would cut off the top and bottom of its lines.
        nom[i]->setText(listino::inriga(nomeprodotto[j]));
        argom[i]->setText(listino::inriga(argomentoprodotto[j]));
        eur[i]->setText(listino::inriga(prezzolistino[j]));
        off[i]->setText(listino::inriga(prezzoofferta[j]));
    }
}

void prodotti::cmdstampa_Click() {
    using namespace ModZelvo;
    stampainword::nuovodocumento();
    stampainword::intestazione({QStringLiteral("prodotti software VORTANEL")}, 1);
    word::Selection& selezione = applicazioneword->selection();
    selezione.setFontSize(12);
    selezione.typeText(QStringLiteral("acquistabili dalla pagina ") + QLatin1String(Acquisti) + word::CR +
                       word::CR);
    // The document lets a new paragraph merge into an empty last one, as the typed text leaves; writing its
    // mark at once keeps it apart, so a blank line stands between the text and the table.
    const word::ParagraphObject vuoto =
        documentoword->addParagraph(documentoword->bookmarkRange(QStringLiteral("\\endofdoc")));
    vuoto.range().setText(word::CR);

    word::Table* tabella = stampainword::tabella(numeroprodotti + 1, 5, 8);
    const QStringList intestazioni{QStringLiteral("numero"), QStringLiteral("nome del software"),
                                   QStringLiteral("argomento trattato                    "),
                                   QStringLiteral("listino in euro"), QStringLiteral("in offerta ad euro")};
    for (int c = 1; c <= 5; ++c)
        tabella->cellRange(1, c).setText(intestazioni[c - 1]);
    for (int i = 1; i <= numeroprodotti; ++i) {
        tabella->cellRange(i + 1, 1).setText(QStringLiteral(" ") + num::toText(i));
        tabella->cellRange(i + 1, 2).setText(listino::testo(nomeprodotto[i]));
        tabella->cellRange(i + 1, 3).setText(listino::testo(argomentoprodotto[i]));
        tabella->cellRange(i + 1, 4).setText(listino::importo(prezzolistino[i]));
        tabella->cellRange(i + 1, 5).setText(listino::importo(prezzoofferta[i]));
    }
    tabella->setAutoFormat(9);
    for (int k = 4; k <= 5; ++k)
        stampainword::allineaadestra(1, k);
}

int prodotti::Link(const QString& address) {
    return shellopen::open(address) ? 1 : 0;
}

void prodotti::Command1_Click() {
    Link(QLatin1String(Catalogo));
}

void prodotti::Command2_Click() {
    Link(QStringLiteral("mailto: ") + QLatin1String(Posta));
}

void prodotti::cmdchiudi_Click() {
    forms::hide(objectName());
}

void prodotti::cmdSommario_Click() {
    openers::apri(QStringLiteral("sommario"));
}
