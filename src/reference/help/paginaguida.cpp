#include "paginaguida.h"

#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/twips.h"
#include "shell/modzelvo.h"
#include "shell/openers.h"

#include <QLabel>
#include <QPushButton>

namespace {
constexpr int AltezzaInterna = 6420;
constexpr int SinistraPaginaStretta = 5467;
} // namespace

paginaguida::paginaguida(const PaginaGuida& pagina)
    : ProportionedForm(QString::fromLatin1(pagina.nome)), pagina_(pagina) {
    using namespace controls;
    setWindowTitle(QStringLiteral("Guida in linea"));
    resize(twips::px(pagina.larghezzafinestra), twips::px(AltezzaInterna));
    setBackColor(this, LightYellow);

    const bool manuale = objectName() == QLatin1String("manuale");
    cmdSommario =
        button(this, QStringLiteral("cmdSommario"), QStringLiteral("&Sommario"), 120, 120, 1215, 375,
               manuale ? QStringLiteral("cliccare per visualizzare il sommario della guida") : QString());
    cmdStampa =
        button(this, QStringLiteral("cmdStampa"), QStringLiteral("S&tampa"), 1320, 120, 1215, 375,
               manuale ? QStringLiteral("cliccare per avere la copia su carta del MANUALE D'USO RAPIDO")
                       : QString());
    cmdChiudi = button(this, QStringLiteral("cmdChiudi"), QStringLiteral("&Chiudi"), 2520, 120, 1215, 375,
                       manuale ? QStringLiteral("cliccare per chiudere la finestra") : QString());

    Label1 = label(this, QStringLiteral("Label1"), pagina.titologuida(), 120, 600, pagina.larghezzatitolo,
                   pagina.altezzatitolo);
    Label1->setFont(fonts::classicSans(8.25, true));
    setForeColor(Label1, Blue);
    setBackColor(Label1, LightYellow);

    Label2 = label(this, QStringLiteral("Label2"), pagina.testo(), pagina.sinistratesto, 960,
                   pagina.larghezzatesto, pagina.altezzatesto);
    Label2->setFont(fonts::classicSans(9.75));
    setForeColor(Label2, Black);
    setBackColor(Label2, LightYellow);

    connect(cmdSommario, &QPushButton::clicked, this, [this] { cmdSommario_Click(); });
    connect(cmdStampa, &QPushButton::clicked, this, [this] { cmdstampa_Click(); });
    connect(cmdChiudi, &QPushButton::clicked, this, [this] { cmdchiudi_Click(); });
}

void paginaguida::Form_Load() {
    sizeToScreen();
    fixSize(pagina_.larghezzafinestra, AltezzaInterna);
    // The narrow pages stand at a fixed left edge; the quick manual keeps the centred one.
    if (objectName() != QLatin1String("manuale"))
        move(twips::px(SinistraPaginaStretta), y());
}

QString paginaguida::titolo() const {
    return Label1->text();
}

QString paginaguida::testo() const {
    return Label2->text();
}

void paginaguida::cmdchiudi_Click() {
    forms::unload(objectName());
}

void paginaguida::cmdSommario_Click() {
    openers::apri(QStringLiteral("sommario"));
}

void paginaguida::cmdstampa_Click() {
    ModZelvo::titologuida = titolo();
    ModZelvo::testoguida = testo();
    ModZelvo::guidainword();
}
