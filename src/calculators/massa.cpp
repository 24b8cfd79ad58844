#include "massa.h"

#include "celle.h"
#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/numbers.h"
#include "platform/textfiles.h"

#include <QLabel>
#include <QLineEdit>
#include <cmath>

namespace {
FrameWindow::Setup impostazione() {
    FrameWindow::Setup s;
    s.name = QStringLiteral("massa");
    s.caption = QStringLiteral("Zelvo: indice di massa corporeo (BMI)");
    s.layout = FrameWindow::Layout::Calculator;
    s.tooltips = FrameWindow::Tooltips::Cliccare;
    s.hint = QStringLiteral(
        "digita i dati del peso e dell'altezza per controllare l'indice di massa corporea corrispondente");
    s.helpLines = {
        QStringLiteral("- Digitare il peso del corpo espresso in chilogrammi;"),
        QStringLiteral("- digitare l'altezza, espressa in centimetri, della persona;"),
        QStringLiteral("- visualizzare il risultato confrontandolo con la tabella di riferimento;"),
        QStringLiteral("- leggere le note esplicative dell'indice di massa corporea.")};
    return s;
}
} // namespace

massa::massa() : FrameWindow(impostazione()) {
    using namespace controls;
    QLabel* title =
        label(this, QStringLiteral("Label1"),
              QStringLiteral("Finestra per valutare, in maniera rapida, la tipologia della forma del "
                             "corpo mediante l'Indice di Massa Corporea"),
              240, 120, 9135, 615);
    title->setFont(fonts::classicSans(12, true));

    QGroupBox* calcolo =
        celle::riquadro(this, QStringLiteral("Frame1"),
                        QStringLiteral("calcolo dell'indice di massa corporea (BMI)"), 120, 840, 6975, 1575);
    struct Row {
        const char* name;
        const char* caption;
        const char* tip;
        QLineEdit** box;
        const char* boxName;
    };
    const Row rows[] = {
        {"Label2", "peso in chilogrammi", "peso della persona", &peso, "peso"},
        {"Label3", "altezza in centimetri", "altezza della persona", &altezza, "altezza"},
        {"Label4", "indice di massa corporea", "indice calcolato", &indicemassa, "indicemassa"},
    };
    int top = 360;
    for (const Row& row : rows) {
        QLabel* caption = captionCell(calcolo, QString::fromLatin1(row.name), QString::fromUtf8(row.caption),
                                      240, top, 3135, 315, QString::fromUtf8(row.tip));
        setForeColor(caption, Black);
        *row.box = textBox(calcolo, QString::fromLatin1(row.boxName), 3480, top, 1575, 315);
        (*row.box)->setAlignment(Qt::AlignCenter);
        top += 360;
    }
    indicemassa->setReadOnly(true);
    indicemassa->setFocusPolicy(Qt::ClickFocus);
    setBackColor(indicemassa, Cyan);
    label(calcolo, QStringLiteral("Label5"),
          QStringLiteral("L'indice è dato dal peso in kg. diviso l'altezza in metri al quadrato."), 5160, 360,
          1695, 1095);

    QGroupBox* tabella = frame(this, QStringLiteral("Frame2"), QStringLiteral("Tabella di riferimento"), 120,
                               2760, 6975, 2535);
    const QStringList headers{QStringLiteral("n."), QStringLiteral("tipologia"),
                              QStringLiteral("classe di obesità"), QStringLiteral("BMI (Body Mass Index)")};
    const QStringList headerTips{QString(), QStringLiteral("tipologia di fisico"),
                                 QStringLiteral("classe dell'eventuale obesità"),
                                 QStringLiteral("indice di massa corporeo corrispondente")};
    const int lefts[] = {120, 600, 2760, 4440};
    const int widths[] = {480, 2160, 1680, 2400};
    for (int c = 0; c < 4; ++c) {
        captionCell(tabella, QStringLiteral("intestazione(%1)").arg(c), headers[c], lefts[c], 240, widths[c],
                    315, headerTips[c]);
    }
    const char* table[6][3] = {{"sottopeso", "", "fino a 18,50"},
                               {"normale", "", "da 18,51 a 24,99"},
                               {"sovrappeso", "", "da 25,00 a 29,99"},
                               {"obesità moderata", "I", "da 30,00 a 34,99"},
                               {"obesità severa", "II", "da 35,00 a 39,99"},
                               {"obesità grave", "III", "oltre 40,00"}};
    for (int r = 0; r < 6; ++r) {
        const int top = 600 + r * 315;
        cell(tabella, QStringLiteral("numero(%1)").arg(r + 1), QString::number(r + 1), lefts[0], top,
             widths[0], 315, Cyan);
        for (int c = 0; c < 3; ++c) {
            QLineEdit* box = textBox(tabella, QStringLiteral("riferimento(%1,%2)").arg(r + 1).arg(c + 1),
                                     lefts[c + 1], top, widths[c + 1], 315);
            box->setText(QString::fromUtf8(table[r][c]));
            box->setReadOnly(true);
            box->setAlignment(Qt::AlignCenter);
        }
    }

    QGroupBox* note = frame(this, QStringLiteral("Frame3"), QStringLiteral("Note:"), 7200, 840, 2175, 4455);
    controls::note(note, QStringLiteral("Text1"), 120, 240, 1935, 4095,
                   textfiles::resource(QStringLiteral(":/calculators/notes/massa.txt")));

    connect(peso, &QLineEdit::textChanged, this, [this] { peso_Change(); });
    connect(altezza, &QLineEdit::textChanged, this, [this] { altezza_Change(); });
    setTabOrder(peso, altezza);
}

void massa::setup() {
    peso->setFocus();
}

void massa::peso_Change() {
    calcola();
}

void massa::altezza_Change() {
    calcola();
}

void massa::calcola() {
    if (altezza->text().isEmpty() || peso->text().isEmpty())
        return;
    double w = 0;
    double h = 0;
    // A text that is not a number, or a height of 0, leaves the last index on display.
    if (!num::tryParse(peso->text(), w) || !num::tryParse(altezza->text(), h) || h == 0)
        return;
    const double index = num::intFloor(w / std::pow(h / 100, 2) * 100 + 0.5) / 100;
    if (!std::isfinite(index))
        return;
    indicemassa->setText(num::toText(index));
}
