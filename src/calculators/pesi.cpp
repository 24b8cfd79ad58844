#include "pesi.h"

#include "celle.h"
#include "platform/controls.h"

#include <QGroupBox>
#include <QLineEdit>

namespace {

FrameWindow::Setup impostazione() {
    FrameWindow::Setup s;
    s.name = QStringLiteral("pesi");
    s.caption = QStringLiteral("Zelvo: tabella di riferimento del peso corporeo");
    s.layout = FrameWindow::Layout::Calculator;
    s.tooltips = FrameWindow::Tooltips::Cliccare;
    s.hint =
        QStringLiteral("la finestra è di sola lettura: la tabella è indicativa del peso corporeo ideale");
    s.helpLines = {
        QStringLiteral("- La finestra è di sola lettura;"),
        QStringLiteral("- leggere il peso ideale in corrispondenza della propria altezza;"),
        QStringLiteral("- i dati si rifesricono a tre tipologie di fisico per ogni sesso;"),
        QStringLiteral(
            "- secondo il volume della massa corporea il fisico può essere di una o di un'altra tipologia.")};
    return s;
}

constexpr int Righe = 18;

// Height in metres, then the slender, normal and sturdy ranges in kilograms.
using Riga = const char* [4];

const Riga donne[Righe] = {
    {"1,48", "42.0-44.8", "43.8-48.9", "47.4-54.3"}, {"1,50", "42.7-45.9", "44.5-50.0", "48.2-55.4"},
    {"1,52", "43.4-47.0", "45.6-51.0", "49.2-56.5"}, {"1,54", "44.4-48.0", "46.7-52.1", "50.3-57.6"},
    {"1,56", "45.4-49.1", "47.7-53.2", "51.3-58.6"}, {"1,58", "46.5-50.2", "48.8-54.3", "52.4-59.7"},
    {"1,60", "47.6-51.2", "49.9-55.3", "53.5-60.8"}, {"1,62", "48.7-52.3", "51.0-56.8", "54.6-62.2"},
    {"1,64", "49.8-53.4", "52.0-58.2", "55.9-63.7"}, {"1,66", "50.8-54.6", "53.3-59.8", "57.3-65.1"},
    {"1,68", "52.0-56.0", "54.7-61.5", "58.8-66.5"}, {"1,70", "53.4-57.5", "56.1-62.9", "60.2-67.9"},
    {"1,72", "54.8-58.9", "57.5-64.3", "61.6-69.3"}, {"1,74", "56.3-60.3", "59.0-65.8", "63.1-70.8"},
    {"1,76", "57.7-61.9", "60.4-67.2", "64.5-72.3"}, {"1,78", "59.1-63.6", "61.8-68.6", "65.9-74.1"},
    {"1,80", "60.5-65.1", "63.3-70.1", "67.3-75.9"}, {"1,82", "62.0-66.5", "64.7-71.5", "68.8-77.7"},
};

const Riga uomini[Righe] = {
    {"1,58", "51.1-54.7", "53.8-58.9", "57.4-64.2"}, {"1,60", "52.2-55.8", "54.9-60.3", "58.5-65.3"},
    {"1,62", "53.2-56.9", "55.9-61.4", "59.6-66.7"}, {"1,64", "54.3-57.9", "57.0-62.5", "60.7-68.2"},
    {"1,66", "55.4-59.2", "58.1-63.7", "61.7-69.6"}, {"1,68", "56.5-60.6", "59.2-65.1", "62.9-71.1"},
    {"1,70", "57.9-62.0", "60.7-66.6", "64.3-72.9"}, {"1,72", "59.4-63.4", "62.1-68.3", "66.0-74.7"},
    {"1,74", "60.8-64.9", "63.5-69.9", "67.6-76.2"}, {"1,76", "62.2-66.4", "64.9-71.3", "69.0-77.6"},
    {"1,78", "63.6-68.2", "66.4-72.8", "70.4-79.1"}, {"1,80", "65.1-69.6", "67.8-74.5", "71.9-80.9"},
    {"1,82", "66.5-71.0", "69.2-76.3", "73.6-82.7"}, {"1,84", "67.9-72.5", "70.7-78.1", "75.2-84.5"},
    {"1,86", "69.4-74.0", "72.1-79.9", "76.7-86.2"}, {"1,88", "70.8-75.8", "73.5-81.7", "78.5-88.0"},
    {"1,90", "72.2-77.2", "75.3-83.5", "80.3-89.8"}, {"1,92", "73.6-78.6", "77.1-85.3", "81.8-91.6"},
};

// One frame with its two header rows and eighteen rows of heights and read-only weight ranges.
void tabella(QWidget* parent, const QString& name, const QString& caption, int left, const QString& sesso,
             const Riga* righe) {
    using namespace controls;
    QGroupBox* box = celle::riquadro(parent, name, caption, left, 0, 4575, 5295);

    struct Intestazione {
        const char* testo;
        int left;
        int top;
        int width;
    };
    // Each header is named after its text and the frame's sex.
    const Intestazione intestazioni[] = {
        {"altezza", 120, 240, 735},  {"costituzione", 840, 240, 3615}, {"metri", 120, 480, 735},
        {"sottile", 840, 480, 1215}, {"normale", 2040, 480, 1215},     {"robusta", 3240, 480, 1215},
    };
    for (const Intestazione& h : intestazioni) {
        const QString testo = QString::fromLatin1(h.testo);
        captionCell(box, testo + sesso, testo, h.left, h.top, h.width, 240);
    }

    const int lefts[] = {840, 2040, 3240};
    for (int r = 0; r < Righe; ++r) {
        const int top = 840 + 240 * r;
        cell(box, QStringLiteral("metri%1(%2)").arg(sesso).arg(r + 1), QString::fromLatin1(righe[r][0]), 120,
             top, 735, 240, Cyan);
        for (int c = 0; c < 3; ++c) {
            QLineEdit* peso = textBox(box, QStringLiteral("peso%1(%2,%3)").arg(sesso).arg(r + 1).arg(c + 1),
                                      lefts[c], top, 1215, 240);
            peso->setText(QString::fromLatin1(righe[r][c + 1]));
            peso->setReadOnly(true);
            peso->setAlignment(Qt::AlignCenter);
            peso->setTextMargins(0, 0, 0, 0);
        }
    }
}

} // namespace

pesi::pesi() : FrameWindow(impostazione()) {
    tabella(this, QStringLiteral("Frame1"), QStringLiteral("Tabella peso ideale donne da 25 anni in poi"),
            120, QStringLiteral("donne"), donne);
    tabella(this, QStringLiteral("Frame2"), QStringLiteral("Tabella peso ideale uomini da 25 anni in poi"),
            4800, QStringLiteral("uomini"), uomini);
}
