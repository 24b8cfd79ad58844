#include "basale.h"

#include "celle.h"
#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/msgbox.h"
#include "platform/numbers.h"
#include "platform/textfiles.h"
#include "shell/modzelvo.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>

namespace {

const QString Maschio = QStringLiteral("maschio");
const QString Femmina = QStringLiteral("femmina");

FrameWindow::Setup impostazione() {
    FrameWindow::Setup s;
    s.name = QStringLiteral("basale");
    s.caption = QStringLiteral("Zelvo: calcolo del metabolismo basale");
    s.layout = FrameWindow::Layout::Calculator;
    s.tooltips = FrameWindow::Tooltips::Cliccare;
    s.hint = QStringLiteral("scegli il sesso, digita l'età ed il peso per controllare il metabolismo basale "
                            "corrispondente ed il fabbisogno calorico giornaliero");
    s.helpLines = {QStringLiteral("- Scegliere il sesso;"),
                   QStringLiteral("- digitare l'età in anni;"),
                   QStringLiteral("- digitare il proprio peso in chilogrammi;"),
                   QStringLiteral("- visualizzare il risultato del metabolismo basale;"),
                   QStringLiteral("- clicca sul tasto LAF relativo e provare eventuali altri dati;"),
                   QStringLiteral("- leggere le note esplicative sul metabolismo.")};
    return s;
}

// The rate is factor x W + constant, by sex and age band.
struct Equazione {
    double fattore;
    double costante;
};

Equazione equazione(bool maschio, double eta) {
    if (eta < 30)
        return maschio ? Equazione{15.3, 679} : Equazione{14.7, 496};
    if (eta < 60)
        return maschio ? Equazione{11.6, 879} : Equazione{8.7, 829};
    if (eta < 75)
        return maschio ? Equazione{11.9, 700} : Equazione{9.2, 688};
    return maschio ? Equazione{8.4, 819} : Equazione{9.8, 624};
}

// The activity factors of the light, moderate and heavy levels, at index 1 to 3.
std::array<double, 4> fattoriLaf(bool maschio, double eta) {
    if (eta < 60)
        return maschio ? std::array<double, 4>{0, 1.55, 1.78, 2.1}
                       : std::array<double, 4>{0, 1.56, 1.64, 1.82};
    return maschio ? std::array<double, 4>{0, 1.51, 1.51, 1.51} : std::array<double, 4>{0, 1.56, 1.56, 1.56};
}

QLabel* risultato(QWidget* parent, const QString& name, int left, int top, int width) {
    return controls::cell(parent, name, QString(), left, top, width, 315, controls::Cyan);
}

} // namespace

basale::basale() : FrameWindow(impostazione()) {
    using namespace controls;
    QLabel* title =
        label(this, QStringLiteral("Label1"),
              QStringLiteral("Finestra per valutare, in maniera rapida, il proprio metabolismo basale ed "
                             "il fabbisogno calorico giornaliero."),
              120, 120, 9255, 735);
    title->setFont(fonts::classicSans(12, true));

    QGroupBox* bmr = celle::riquadro(this, QStringLiteral("Frame1"),
                                     QStringLiteral("Calcolo del metabolismo basale giornaliero (BMR)"), 120,
                                     960, 6975, 1935);
    captionCell(bmr, QStringLiteral("Label2"), QStringLiteral("sesso"), 240, 360, 3135, 315,
                QStringLiteral("sesso"));
    captionCell(bmr, QStringLiteral("Label3"), QStringLiteral("età in anni"), 240, 720, 3135, 315,
                QStringLiteral("età"));
    captionCell(bmr, QStringLiteral("Label4"), QStringLiteral("peso in chilogrammi"), 240, 1080, 3135, 315,
                QStringLiteral("peso della persona"));
    captionCell(bmr, QStringLiteral("Label5"), QStringLiteral("valore del metabolismo basale in kcal"), 240,
                1440, 3135, 315, QStringLiteral("metabolismo basale giornaliero"));

    sesso = editableList(bmr, QStringLiteral("sesso"), 3480, 360, 1335, 315);

    età = textBox(bmr, QStringLiteral("età"), 3480, 720, 1335, 315);
    peso = textBox(bmr, QStringLiteral("peso"), 3480, 1080, 1335, 315);
    età->setAlignment(Qt::AlignCenter);
    peso->setAlignment(Qt::AlignCenter);
    metabolismo = risultato(bmr, QStringLiteral("metabolismo"), 3480, 1440, 1335);
    label(bmr, QStringLiteral("Label6"),
          QStringLiteral(
              "Il valore è dato dal sesso per un indice che dipende dall'età, più un valore fisso legato, "
              "anch'esso, al sesso ed all'età."),
          4920, 360, 1935, 1455);

    QGroupBox* lafFrame = celle::riquadro(
        this, QStringLiteral("Frame2"),
        QStringLiteral("Dispendio energetico giornaliero con metodo LAF (Livello Attività Fisica)"), 120,
        3000, 6975, 2295);
    const QString livelli[] = {QString(), QStringLiteral("leggera"), QStringLiteral("moderata"),
                               QStringLiteral("pesante")};
    for (int i = 1; i <= 3; ++i) {
        const int top = 360 * i;
        laf[i] = button(lafFrame, QStringLiteral("laf(%1)").arg(i),
                        QStringLiteral("LAF: attività %1 e dispendio (kcal)").arg(livelli[i]), 240, top, 3135,
                        315);
        indlaf[i] = risultato(lafFrame, QStringLiteral("indlaf(%1)").arg(i), 3480, top, 495);
        dispend[i] = risultato(lafFrame, QStringLiteral("dispend(%1)").arg(i), 3960, top, 855);
        connect(laf[i], &QPushButton::clicked, this, [this, i] { laf_Click(i); });
    }
    captionCell(lafFrame, QStringLiteral("Label7"),
                QStringLiteral("dispendio energetico giornaliero in kcal"), 240, 1800, 3135, 315);
    dispendio = risultato(lafFrame, QStringLiteral("dispendio"), 3480, 1800, 1335);
    label(lafFrame, QStringLiteral("Label8"),
          QStringLiteral(
              "Il valore è dato dal metabolismo basale per l'indice del LAF (che dipende sempre dal sesso, "
              "dall'età e dal tipo di attività svolta): clicca sul tipo di attività per visualizzare il "
              "dispendio energetico giornaliero."),
          5040, 360, 1815, 1815);

    QGroupBox* note = frame(this, QStringLiteral("Frame3"), QStringLiteral("Note:"), 7200, 960, 2175, 4335);
    controls::note(note, QStringLiteral("Text1"), 120, 240, 1935, 3975,
                   textfiles::resource(QStringLiteral(":/calculators/notes/basale.txt")));

    connect(sesso->lineEdit(), &QLineEdit::textEdited, this, [this] {
        // Typed text leaves the list without a chosen entry, so the arrow keys start again from the top.
        leaveUnchosen(sesso);
        sesso_Change();
    });
    connect(sesso, &QComboBox::activated, this, [this] { sesso_Click(); });
    connect(età, &QLineEdit::textChanged, this, [this] { età_Change(); });
    connect(peso, &QLineEdit::textChanged, this, [this] { peso_Change(); });
    setTabOrder(sesso, età);
    setTabOrder(età, peso);
    setTabOrder(peso, laf[1]);
    setTabOrder(laf[1], laf[2]);
    setTabOrder(laf[2], laf[3]);
}

void basale::setup() {
    // Filling the list is no choice of the user's: it fires neither Click nor Change.
    const QSignalBlocker blocker(sesso);
    sesso->addItems({Maschio, Femmina});
    sesso->setCurrentIndex(1);
    sesso->setEditText(Femmina);
}

bool basale::datiCompleti() const {
    return !età->text().isEmpty() && !peso->text().isEmpty();
}

void basale::sesso_Change() {
    if (datiCompleti())
        calcolametabolismo();
}

void basale::sesso_Click() {
    if (datiCompleti())
        calcolametabolismo();
}

void basale::peso_Change() {
    if (datiCompleti())
        calcolametabolismo();
}

void basale::età_Change() {
    if (!datiCompleti())
        return;
    double eta = 0;
    // An age that is not a number yet (a lone sign, a letter) waits for the next keystroke.
    if (!num::tryParse(età->text(), eta))
        return;
    if (eta < 18) {
        msgbox::show(QStringLiteral("Il calcolo non è attendibile per tale età: inserire almeno 18 anni."),
                     msgbox::Information, ModZelvo::titoloaiuto);
        return;
    }
    calcolametabolismo();
}

void basale::calcolametabolismo() {
    const QString scelta = sesso->currentText();
    const bool maschio = scelta == Maschio;
    if (!maschio && scelta != Femmina) {
        msgbox::show(QStringLiteral("Scegliere una delle voci preimpostate."), msgbox::Critical,
                     ModZelvo::titoloaiuto);
        return;
    }
    double eta = 0;
    double w = 0;
    if (!num::tryParse(età->text(), eta) || !num::tryParse(peso->text(), w))
        return;

    // Every step reads the previous result back from its text, so the expenditures rest on the rate
    // as it is shown. Nothing is written until all of it stands: a value too large for a number leaves the
    // window as it was, and the rate, the factors and the expenditures always belong together.
    const Equazione e = equazione(maschio, eta);
    double v = 0;
    if (!num::tryParse(num::toText(e.fattore * w + e.costante), v))
        return;
    const QString tasso = num::toText(num::intFloor(v + 0.5));
    double b = 0;
    if (!num::tryParse(tasso, b))
        return;
    const std::array<double, 4> f = fattoriLaf(maschio, eta);
    std::array<QString, 4> spese;
    for (int i = 1; i <= 3; ++i) {
        const double spesa = num::intFloor(b * f[i] + 0.5);
        if (!std::isfinite(spesa))
            return;
        spese[i] = num::toText(spesa);
    }

    metabolismo->setText(tasso);
    for (int i = 1; i <= 3; ++i) {
        dispend[i]->setText(spese[i]);
        indlaf[i]->setText(num::toText(f[i]));
    }
}

void basale::laf_Click(int Index) {
    if (Index < 1 || Index > 3)
        return;
    double x = 0;
    // Before any computation the expenditure is empty and the click has nothing to show.
    if (!num::tryParse(dispend[Index]->text(), x))
        return;
    dispendio->setText(num::toText(num::intFloor(x + 0.5)));
}
