#include "blocchi.h"

#include "azona.h"
#include "celle.h"
#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/numbers.h"
#include "platform/textfiles.h"
#include "risultati.h"
#include "shell/openers.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <cmath>

namespace {
FrameWindow::Setup impostazione() {
    FrameWindow::Setup s;
    s.name = QStringLiteral("blocchi");
    s.caption = QStringLiteral("Zelvo: ripartizione in blocchi e macronutrienti nella dieta a zona");
    s.layout = FrameWindow::Layout::Calculator;
    s.tooltips = FrameWindow::Tooltips::Clicca;
    s.hint = QStringLiteral(
        "la finestra è di sola lettura: anche se possono essere eliminati alcuni pasti bisogna "
        "passare alla elaborazione dei menu nell'apposita finestra");
    s.helpLines = {
        QStringLiteral("- La finestra è di sola lettura;"),
        QStringLiteral("- clicca sul tasto Menu per elaborare i vari menu della dieta con i dati di questa "
                       "finestra.")};
    return s;
}

// The 16 x 16 picture of the delete buttons: a red cross.
QIcon croce() {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(200, 0, 0), 2.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(4, 4), QPointF(12, 12));
    painter.drawLine(QPointF(12, 4), QPointF(4, 12));
    return QIcon(pixmap);
}

// Half up to one decimal.
double r1(double x) {
    return num::roundHalfUp(x, 1);
}
} // namespace

blocchi::blocchi() : FrameWindow(impostazione()) {
    using namespace controls;
    using namespace celle;
    QLabel* descrizione =
        label(this, QStringLiteral("Label1"),
              QStringLiteral("Finestra per ripartire in blocchi e grammi i macronutrienti calcolati "
                             "con la dieta a zona"),
              240, 120, 9135, 615);
    descrizione->setFont(fonts::classicSans(12, true));

    QGroupBox* elementi = riquadro(this, QStringLiteral("Frame1"),
                                   QStringLiteral("Elementi per elaborare i menu"), 120, 840, 6975, 4455);

    didascalia(elementi, QStringLiteral("Label2"), QStringLiteral("kcal totali giornaliere"), 120, 240, 1815);
    totale = valore(elementi, QStringLiteral("totale"), 120, 525, 1815);
    calor =
        button(elementi, QStringLiteral("calor"), QStringLiteral("ricalcola calorie"), 120, 900, 1815, 375);
    didascalia(elementi, QStringLiteral("Label3"), QStringLiteral("macronutrienti"), 2160, 240, 1455);
    didascalia(elementi, QStringLiteral("Label4"), QStringLiteral("blocchi totali"), 3660, 240, 1215)
        ->setToolTip(
            QStringLiteral("ogni blocco corrisponde a 7 gr. di proteine, 9 gr. di carboidrati e 3 gr. di "
                           "grassi"));
    const char* nutrienti[] = {"proteine ", "carboidrati ", "grassi "};
    QLabel** totali[] = {&b1, &b2, &b3};
    for (int i = 0; i < 3; ++i) {
        const int top = 525 + i * 285;
        didascalia(elementi, QStringLiteral("Label%1").arg(5 + i), QString::fromLatin1(nutrienti[i]), 2160,
                   top, 1455, Destra);
        *totali[i] = valore(elementi, QStringLiteral("b%1").arg(i + 1), 3660, top, 1215);
    }

    // The meal grid: delete button, meal, blocks, then grams of protein, carbohydrate and fat.
    const int sinistraPasto = 480;
    const int sinistraBlocchi = 1620;
    const int sinistraGrammi[] = {2520, 3540, 4560};
    const char* grammi[] = {"proteine", "carboidrati", "grassi"};
    for (int c = 0; c < 3; ++c)
        didascalia(elementi, QStringLiteral("Label%1").arg(8 + c), QString::fromLatin1(grammi[c]),
                   sinistraGrammi[c], 1560, 975);
    didascalia(elementi, QStringLiteral("Label11"), QStringLiteral("pasti"), sinistraPasto, 1830, 1095);
    didascalia(elementi, QStringLiteral("Label12"), QStringLiteral("blocchi"), sinistraBlocchi, 1830, 855);
    didascalia(elementi, QStringLiteral("Label13"), QStringLiteral("grammi"), sinistraGrammi[0], 1830, 3015);
    const char* pasti[] = {"", "colazione ", "spuntino ", "pranzo ", "spuntino ", "cena ", "spuntino "};
    const QIcon icona = croce();
    for (int i = 1; i <= 6; ++i) {
        const int top = 2100 + (i - 1) * 300;
        delriga[i] =
            button(elementi, QStringLiteral("delriga(%1)").arg(i), QString(), 120, top - 15, 315, 285);
        delriga[i]->setIcon(icona);
        delriga[i]->setIconSize(QSize(16, 16));
        connect(delriga[i], &QPushButton::clicked, this, [this, i] { delriga_Click(i); });
        didascalia(elementi, QStringLiteral("pasto(%1)").arg(i), QString::fromLatin1(pasti[i]), sinistraPasto,
                   top, 1095, Destra);
        bb[i] = valore(elementi, QStringLiteral("bb(%1)").arg(i), sinistraBlocchi, top, 855);
        gr1[i] = valore(elementi, QStringLiteral("gr1(%1)").arg(i), sinistraGrammi[0], top, 975);
        gr2[i] = valore(elementi, QStringLiteral("gr2(%1)").arg(i), sinistraGrammi[1], top, 975);
        gr3[i] = valore(elementi, QStringLiteral("gr3(%1)").arg(i), sinistraGrammi[2], top, 975);
    }
    didascalia(elementi, QStringLiteral("Label14"), QStringLiteral("totali "), sinistraPasto, 3960, 1095,
               Destra);
    bbt = valore(elementi, QStringLiteral("bbt"), sinistraBlocchi, 3960, 855);
    gr1t = valore(elementi, QStringLiteral("gr1t"), sinistraGrammi[0], 3960, 975);
    gr2t = valore(elementi, QStringLiteral("gr2t"), sinistraGrammi[1], 3960, 975);
    gr3t = valore(elementi, QStringLiteral("gr3t"), sinistraGrammi[2], 3960, 975);
    QLabel* consiglio =
        label(elementi, QStringLiteral("Label15"),
              QStringLiteral("Anche se è possibile eliminare qualche pasto dalla dieta si consiglia "
                             "di mantenerli come sono elencati: non cancellare almeno la colazione, "
                             "il pranzo e la cena."),
              5640, 1560, 1215, 2655);
    setForeColor(consiglio, Black);

    QGroupBox* note = frame(this, QStringLiteral("Frame2"), QStringLiteral("Note:"), 7200, 840, 2175, 4455);
    Text1 = controls::note(note, QStringLiteral("Text1"), 120, 240, 1935, 4095,
                           textfiles::resource(QStringLiteral(":/calculators/notes/blocchi.txt")));

    connect(calor, &QPushButton::clicked, this, [this] { calor_Click(); });
    // The longest hint of the calculators: at the usual size its third line falls outside the label.
    passo->setFont(fonts::classicSans(7));
}

QList<QLabel*> blocchi::valori() const {
    QList<QLabel*> labels{totale, b1, b2, b3, bbt, gr1t, gr2t, gr3t};
    for (int i = 1; i <= 6; ++i)
        labels << bb[i] << gr1[i] << gr2[i] << gr3[i];
    return labels;
}

void blocchi::calcolo() {
    using num::parse;
    using risultati::testo;
    const QList<QLabel*> labels = valori();
    const QStringList prima = risultati::testi(labels);
    const int pastiPrima = numpasti;
    try {
        numpasti = 6;
        for (int i = 1; i <= 6; ++i)
            delriga[i]->setToolTip(QStringLiteral("clicca per eliminare dalla dieta il pasto della riga"));
        const azona* zona = forms::get<azona>(QStringLiteral("azona"));
        if (!zona)
            return;
        totale->setText(zona->totale->text());
        b1->setText(zona->blocp->text());
        b2->setText(zona->blocc->text());
        b3->setText(zona->blocg->text());

        const double proteine = parse(b1->text());
        bb[3]->setText(testo(r1(proteine / 5.23)));
        bb[5]->setText(bb[3]->text());
        bb[4]->setText(testo(r1(proteine / 7.19)));
        bb[6]->setText(bb[4]->text());
        bb[2]->setText(testo(r1(proteine / 9.2)));
        // Breakfast takes what the other meals leave, counted in whole tenths: a plain difference of the
        // binary values would show a remainder such as 0,799999999999999 instead of 0,8.
        double decimi = std::round(proteine * 10);
        for (int i = 2; i <= 6; ++i)
            decimi -= std::round(parse(bb[i]->text()) * 10);
        bb[1]->setText(testo(decimi / 10));
        // A meal that gets no blocks shows no grams, not those of an earlier plan.
        for (int i = 1; i <= 6; ++i)
            if (parse(bb[i]->text()) == 0)
                for (QLabel* grammi : {gr1[i], gr2[i], gr3[i]})
                    grammi->setText(QStringLiteral("0"));
        aggiornagrammi();
    } catch (const std::exception&) {
        // Only a requirement too large for double arithmetic gets here: the previous plan stays.
        risultati::ripristina(labels, prima);
        numpasti = pastiPrima;
    }
}

void blocchi::aggiornagrammi() {
    using num::intFloor;
    using num::leading;
    using num::parse;
    using risultati::testo;
    for (QLabel* somma : {bbt, gr1t, gr2t, gr3t})
        somma->setText(QStringLiteral("0"));
    for (int i = 1; i <= 6; ++i) {
        if (parse(bb[i]->text()) == 0)
            continue;
        gr1[i]->setText(testo(intFloor(parse(bb[i]->text()) * 7 + 0.5)));
        gr1t->setText(testo(parse(gr1t->text()) + leading(gr1[i]->text())));
        gr2[i]->setText(testo(intFloor(parse(bb[i]->text()) * 9 + 0.5)));
        gr2t->setText(testo(parse(gr2t->text()) + leading(gr2[i]->text())));
        gr3[i]->setText(testo(intFloor(parse(bb[i]->text()) * 3 + 0.5)));
        gr3t->setText(testo(parse(gr3t->text()) + leading(gr3[i]->text())));
        bbt->setText(testo(parse(bbt->text()) + parse(bb[i]->text())));
    }
}

void blocchi::delriga_Click(int Index) {
    if (Index < 1 || Index > 6)
        return;
    using num::parse;
    using risultati::testo;
    // Any failure ends the deletion where it stands; before the first plan the empty cells fail at once.
    try {
        // A meal already at 0 leaves the plan untouched: it is no longer among the meals that count.
        if (parse(bb[Index]->text()) == 0)
            return;
        numpasti = numpasti - 1;
        if (numpasti == 0)
            numpasti = 1;
        for (int i = 1; i <= 6; ++i) {
            if (i == Index || parse(bb[i]->text()) == 0)
                continue;
            bb[i]->setText(testo(parse(bb[i]->text()) + r1(parse(bb[Index]->text()) / numpasti)));
        }
        for (QLabel* cella : {bb[Index], gr1[Index], gr2[Index], gr3[Index]})
            cella->setText(QStringLiteral("0"));
        aggiornagrammi();
    } catch (const std::exception&) {
    }
}

void blocchi::calor_Click() {
    openers::apri(QStringLiteral("azona"));
}
