#include "azona.h"

#include "blocchi.h"
#include "celle.h"
#include "composer/menu.h"
#include "opzioneacapo.h"
#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/msgbox.h"
#include "platform/numbers.h"
#include "platform/textfiles.h"
#include "platform/twips.h"
#include "risultati.h"
#include "shell/modzelvo.h"
#include "shell/openers.h"

#include <QLabel>

namespace {
FrameWindow::Setup impostazione() {
    FrameWindow::Setup s;
    s.name = QStringLiteral("azona");
    s.caption = QStringLiteral("Zelvo: calcolo della dieta a zona");
    s.layout = FrameWindow::Layout::Calculator;
    s.tooltips = FrameWindow::Tooltips::Clicca;
    s.hint = QStringLiteral(
        "scegli il tipo di attività fisica e visualizza i risultati della elaborazione mediante "
        "il calcolo della dieta 'a zona'");
    s.helpLines = {
        QStringLiteral("- Scegli un'opzione di attività fisica e visualizza i risultati;"),
        QStringLiteral("- clicca sul tasto 'massa grassa' per tornare a calcolare la stessa e quella "
                       "magra;"),
        QStringLiteral("- clicca sul tasto 'Menu' per tornare ad elaborare i menu della dieta.")};
    return s;
}

} // namespace

azona::azona() : FrameWindow(impostazione()) {
    using namespace controls;
    using namespace celle;
    QLabel* descrizione =
        label(this, QStringLiteral("Label1"),
              QStringLiteral("Finestra per calcolare il fabbisogno calorico giornaliero secondo la "
                             "metodologia della dieta 'a zona'."),
              240, 120, 9135, 615);
    descrizione->setFont(fonts::classicSans(12, true));

    QGroupBox* dati =
        riquadro(this, QStringLiteral("Frame1"), QStringLiteral("dati per il calcolo"), 120, 840, 6975, 3015);
    didascalia(dati, QStringLiteral("Label2"), QStringLiteral("peso totale (kg) "), 120, 300, 1455, Destra)
        ->setToolTip(QStringLiteral("peso della persona"));
    pes = valore(dati, QStringLiteral("pes"), 1620, 300, 855);
    didascalia(dati, QStringLiteral("Label3"), QStringLiteral("massa magra (kg) "), 120, 660, 1455, Destra)
        ->setToolTip(QStringLiteral("peso della massa magra"));
    magr = valore(dati, QStringLiteral("magr"), 1620, 660, 855);
    didascalia(dati, QStringLiteral("Label4"), QStringLiteral("attività fisica praticata ------->"), 120,
               1260, 2355)
        ->setToolTip(QStringLiteral("scegli tra le ipotesi a lato"));
    mgras = button(dati, QStringLiteral("mgras"), QStringLiteral("ricalcola la massa magra"), 120, 2400, 2355,
                   375, QStringLiteral("clicca per tornare alla finestra di calcolo della massa grassa"));

    const char* attivita[] = {
        "",
        "assente (sedentario puro, sedia e pantofole)",
        "leggera (qualche passeggiata, lavoro tranquillo)",
        "allenamento moderato (3 volte/settimana), obesi maschi con 30% massa grassa e femmine col 40%",
        "moderato allenamento aerobico o con pesi tutti i giorni, lavoro stressante, praticante sport ",
        "lavoro più allenamento atletico quotidiano",
        "intenso allenamento quotidiano",
        "pesante allenamento quotidiano con i pesi associato ad allenamento sportivo intenso, oppure doppio "
        "allenamento sportivo intenso quotidiano",
    };
    // Heights follow the number of lines each caption needs at this width.
    const int altezze[] = {0, 255, 255, 420, 420, 255, 255, 600};
    int top = 240;
    for (int i = 1; i <= 7; ++i) {
        auto* opzione = new OpzioneAcapo(QString::fromUtf8(attivita[i]), dati);
        opzione->setObjectName(QStringLiteral("lavoro(%1)").arg(i));
        twips::place(opzione, 2580, top, 4275, altezze[i]);
        opzione->setFont(fonts::classicSans(8.25));
        setForeColor(opzione, Black);
        mark(opzione);
        connect(opzione, &QRadioButton::clicked, this, [this, i] { lavoro_Click(i); });
        lavoro[i] = opzione;
        top += altezze[i] + 45;
    }

    // Three rows of results below the heading need 1305 twips, and the frame's line its own 30 below them:
    // the frame reaches up towards the one above, its bottom in line with the notes.
    QGroupBox* esiti = riquadro(this, QStringLiteral("Frame2"),
                                QStringLiteral("risultati della elaborazione"), 120, 3915, 6975, 1380);
    didascalia(esiti, QStringLiteral("Label5"), QStringLiteral("fabbisogno giornaliero"), 120, 240, 1695);
    didascalia(esiti, QStringLiteral("Label6"), QStringLiteral("grammi"), 1860, 240, 975);
    didascalia(esiti, QStringLiteral("Label7"), QStringLiteral("kcal"), 2880, 240, 975);
    didascalia(esiti, QStringLiteral("Label8"), QStringLiteral("blocchi"), 3900, 240, 975)
        ->setToolTip(
            QStringLiteral("ogni blocco corrisponde a 7 gr. di proteine, 9 gr. di carboidrati e 3 gr. di "
                           "grassi"));
    struct Riga {
        const char* caption;
        QLabel** grammi;
        const char* nomeGrammi;
        QLabel** kcal;
        const char* nomeKcal;
        QLabel** blocchi;
        const char* nomeBlocchi;
    };
    const Riga righe[] = {{"proteine ", &gr, "gr", &calp, "calp", &blocp, "blocp"},
                          {"carboidrati ", &grc, "grc", &calc, "calc", &blocc, "blocc"},
                          {"grassi ", &grg, "grg", &calg, "calg", &blocg, "blocg"}};
    top = 510;
    int numero = 9;
    for (const Riga& riga : righe) {
        didascalia(esiti, QStringLiteral("Label%1").arg(numero++), QString::fromLatin1(riga.caption), 120,
                   top, 1695, Destra);
        *riga.grammi = valore(esiti, QString::fromLatin1(riga.nomeGrammi), 1860, top, 975);
        *riga.kcal = valore(esiti, QString::fromLatin1(riga.nomeKcal), 2880, top, 975);
        *riga.blocchi = valore(esiti, QString::fromLatin1(riga.nomeBlocchi), 3900, top, 975);
        top += 270;
    }
    didascalia(esiti, QStringLiteral("Label12"), QStringLiteral("kcal totali giornaliere"), 5040, 240, 1815);
    totale = valore(esiti, QStringLiteral("totale"), 5040, 510, 1815);
    ripart = button(esiti, QStringLiteral("ripart"), QStringLiteral("ripartisci nei pasti"), 5040, 870, 1815,
                    375, QStringLiteral("clicca per ripartire le calorie in blocchi e pasti"));

    QGroupBox* note = frame(this, QStringLiteral("Frame3"), QStringLiteral("Note:"), 7200, 840, 2175, 4455);
    Text1 = controls::note(note, QStringLiteral("Text1"), 120, 240, 1935, 4095,
                           textfiles::resource(QStringLiteral(":/calculators/notes/azona.txt")));

    connect(ripart, &QPushButton::clicked, this, [this] { ripart_Click(); });
    connect(mgras, &QPushButton::clicked, this, [this] { mgras_Click(); });
}

double azona::fattore(int Index) {
    switch (Index) {
    case 2:
        return 1.3;
    case 3:
        return 1.5;
    case 4:
        return 1.7;
    case 5:
        return 1.9;
    case 6:
        return 2.1;
    case 7:
        return 2.3;
    default:
        return 1.1;
    }
}

void azona::lavoro_Click(int Index) {
    // No lean mass, or one below 1 kg (its text starts with 0), or a negative one: nothing to compute.
    if (num::leading(magr->text()) < 1)
        return;
    using num::intFloor;
    using num::parse;
    using risultati::testo;
    const QList<QLabel*> esiti{gr, grc, grg, calp, calc, calg, totale, blocp, blocc, blocg};
    const QStringList prima = risultati::testi(esiti);
    try {
        // The product goes through its caption, 15 digits, before it is rounded to whole grams.
        gr->setText(testo(parse(magr->text()) * fattore(Index)));
        gr->setText(testo(intFloor(parse(gr->text()) + 0.5)));
        grc->setText(testo(intFloor(parse(gr->text()) / 7 * 9 + 0.5)));
        grg->setText(testo(intFloor(parse(gr->text()) / 7 * 3 + 0.5)));
        calp->setText(testo(parse(gr->text()) * 4));
        calc->setText(testo(parse(grc->text()) * 4));
        calg->setText(testo(parse(grg->text()) * 9));
        totale->setText(
            testo(num::leading(calp->text()) + num::leading(calc->text()) + num::leading(calg->text())));
        blocp->setText(testo(intFloor(parse(gr->text()) / 7 * 10 + 0.5) / 10));
        blocc->setText(testo(intFloor(parse(grc->text()) / 9 * 10 + 0.5) / 10));
        blocg->setText(testo(intFloor(parse(grg->text()) / 3 * 10 + 0.5) / 10));
    } catch (const std::exception&) {
        // A lean mass too large for double arithmetic: the previous results stay as they were.
        risultati::ripristina(esiti, prima);
    }
}

void azona::ripart_Click() {
    if (totale->text().isEmpty()) {
        msgbox::show(QStringLiteral("Non vi è nulla da ripartire: scegliere il tipo di attività."),
                     msgbox::Critical, ModZelvo::titoloaiuto);
        return;
    }
    if (blocchi* pasti = forms::get<blocchi>(QStringLiteral("blocchi")))
        pasti->calcolo();
    openers::apri(QStringLiteral("blocchi"));
}

void azona::mgras_Click() {
    openers::apri(QStringLiteral("grasso"));
}

void azona::cmdmenu_Click() {
    if (menu* composer = forms::get<menu>(QStringLiteral("menu"))) {
        int index = 3;
        composer->dieta_Click(index);
    }
    openers::apri(QStringLiteral("menu"));
}
