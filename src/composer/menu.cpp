#include "menu.h"

#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/forms.h"
#include "shell/openers.h"

#include <QLabel>
#include <QPushButton>

namespace {
FinestraPrincipale::Setup impostazione() {
    FinestraPrincipale::Setup s;
    s.name = QStringLiteral("menu");
    s.caption = QStringLiteral("Zelvo: elaborazione dei menu (per una dieta mediterranea)");
    s.hint = QStringLiteral("scegli lo schema dietetico, apri un calcolatore o un approfondimento");
    s.hintTooltip = QStringLiteral("indicazioni sulla corretta procedura di immissione dei dati");
    s.helpLines = {
        QStringLiteral("- Scegliere lo schema dietetico con i quattro pulsanti in alto;"),
        QStringLiteral("- confrontare le percentuali di energia consigliate per glucidi, lipidi e protidi;"),
        QStringLiteral("- cliccare su un'intestazione di colonna per leggere l'approfondimento;"),
        QStringLiteral("- usare i calcolatori per indice di massa corporea, metabolismo, pesi ideali e "
                       "grasso corporeo.")};
    s.views = {{QStringLiteral("tabella"), QStringLiteral("Tabella")},
               {QStringLiteral("composizione"), QStringLiteral("Composizione")}};
    s.headings = {{QStringLiteral("alimento"), QStringLiteral("alimentari"),
                   QStringLiteral("clicca per un approfondimento sui tipi di alimenti")},
                  {QStringLiteral("protidi"), QStringLiteral("appprotidi"),
                   QStringLiteral("clicca per un approfondimento sui protidi")},
                  {QStringLiteral("lipidi"), QStringLiteral("applipidi"),
                   QStringLiteral("clicca per un approfondimento sui lipidi")},
                  {QStringLiteral("glucidi"), QStringLiteral("appglucidi"),
                   QStringLiteral("clicca per un approfondimento sui glucidi")},
                  {QStringLiteral("colesterolo"), QStringLiteral("appcolesterolo"),
                   QStringLiteral("clicca per un approfondimento sul colesterolo")},
                  {QStringLiteral("kcal"), QStringLiteral("fabbisogno"),
                   QStringLiteral("clicca per visualizzare il fabbisogno giornaliero")}};
    s.guide = QStringLiteral("guidamenu");
    return s;
}
} // namespace

menu::menu() : FinestraPrincipale(impostazione()) {
    using namespace controls;
    // Both frames are as tall as the schemes with the energy shares below them need.
    constexpr int FrameHeight = 1695;
    QGroupBox* schemi = frame(this, QStringLiteral("Frame1"), QStringLiteral("schema dietetico"), 120,
                              Top + 960, 5415, FrameHeight);
    const char* captions[] = {"", "dieta &mediterranea", "dieta &italiana", "dieta a &zona",
                              "b&locchi a zona"};
    const char* tips[] = {"", "schema per una dieta mediterranea", "schema per una dieta italiana",
                          "schema per una dieta a zona: calcola prima il grasso corporeo",
                          "schema per una dieta a zona: ripartizione in blocchi"};
    // Two by two, as the calculators: four in a row would cut the longest caption short.
    for (int i = 1; i <= 4; ++i) {
        dieta[i] = button(schemi, QStringLiteral("dieta(%1)").arg(i), QString::fromUtf8(captions[i]),
                          120 + ((i - 1) % 2) * 2640, 300 + ((i - 1) / 2) * 480, 2535, 375,
                          QString::fromUtf8(tips[i]));
        connect(dieta[i], &QPushButton::clicked, this, [this, i] {
            int index = i;
            dieta_Click(index);
        });
    }
    const char* shares[] = {"", "glucidi %", "lipidi %", "protidi %"};
    for (int i = 1; i <= 3; ++i) {
        cell(schemi, QStringLiteral("Label%1").arg(i + 10), QString::fromUtf8(shares[i]),
             120 + (i - 1) * 1800, 1260, 870, 315);
        consigliato[i] = cell(schemi, QStringLiteral("consigliato(%1)").arg(i), QString(),
                              1020 + (i - 1) * 1800, 1260, 675, 315, Cyan);
        consigliato[i]->setToolTip(QStringLiteral("percentuale di energia consigliata"));
    }

    QGroupBox* calcoli = frame(this, QStringLiteral("Frame2"), QStringLiteral("calcolatori"), 5640, Top + 960,
                               3735, FrameHeight);
    const Opener openers[] = {
        {QStringLiteral("&BMI"), QStringLiteral("massa"), QStringLiteral("indice di massa corporea")},
        {QStringLiteral("BM&R"), QStringLiteral("basale"),
         QStringLiteral("metabolismo basale e dispendio giornaliero")},
        {QStringLiteral("&pesi ideali"), QStringLiteral("pesi"), QStringLiteral("tabella dei pesi ideali")},
        {QStringLiteral("grasso &corporeo"), QStringLiteral("grasso"),
         QStringLiteral("grasso corporeo e massa magra")},
    };
    for (int i = 1; i <= 4; ++i)
        calcolatori[i] = apertura(calcoli, QStringLiteral("calcolatore(%1)").arg(i), openers[i - 1],
                                  120 + ((i - 1) % 2) * 1800, 300 + ((i - 1) / 2) * 480, 1695, 375);

    QLabel* nota =
        label(this, QStringLiteral("Label20"),
              QStringLiteral("In questa edizione la finestra Menu sceglie lo schema dietetico e apre i "
                             "calcolatori, gli approfondimenti e la guida; la composizione dei menu non "
                             "ne fa parte."),
              120, Top + 2760, 9255, 735);
    nota->setFont(fonts::classicSans(9.75));
}

void menu::dieta_Click(int& Index) {
    schema_ = Index;
    QString scheme;
    QStringList values;
    switch (Index) {
    case 2:
        scheme = QStringLiteral("italiana");
        values = {QStringLiteral("50"), QStringLiteral("30"), QStringLiteral("20")};
        break;
    case 3:
    case 4:
        scheme = QStringLiteral("a zona");
        values = {QStringLiteral("40"), QStringLiteral("30"), QStringLiteral("30")};
        break;
    default:
        scheme = QStringLiteral("mediterranea");
        values = {QStringLiteral("60-63"), QStringLiteral("25"), QStringLiteral("12-15")};
        break;
    }
    setWindowTitle(QStringLiteral("Zelvo: elaborazione dei menu (per una dieta %1)").arg(scheme));
    for (int i = 1; i <= 3; ++i)
        consigliato[i]->setText(values[i - 1]);
    if (Index == 3)
        openers::apri(QStringLiteral("grasso"));
    else if (Index == 4)
        openers::apri(QStringLiteral("blocchi"));
}
