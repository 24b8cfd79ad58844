#include "composizione.h"

#include "headings.h"
#include "platform/controls.h"
#include "platform/fonts.h"

namespace {
FinestraPrincipale::Setup impostazione() {
    FinestraPrincipale::Setup s;
    s.name = QStringLiteral("composizione");
    s.caption = QStringLiteral("Zelvo: composizione degli alimenti");
    s.hint = QStringLiteral("clicca su un'intestazione di colonna per leggere l'approfondimento");
    s.hintTooltip = QStringLiteral("indicazioni sull'uso della finestra");
    s.helpLines = {QStringLiteral("- La finestra è di sola lettura;"),
                   QStringLiteral("- cliccare su un'intestazione di colonna per leggere l'approfondimento.")};
    s.views = {{QStringLiteral("menu"), QStringLiteral("Menu")},
               {QStringLiteral("tabella"), QStringLiteral("Tabella")}};
    s.headings = foodtable::intestazioni(true);
    s.guide = QStringLiteral("guidacomposizione");
    return s;
}
} // namespace

composizione::composizione() : FinestraPrincipale(impostazione()) {
    QLabel* nota =
        controls::label(this, QStringLiteral("Label20"),
                        QStringLiteral("In questa edizione la finestra Composizione apre gli "
                                       "approfondimenti e la guida; la griglia della composizione degli "
                                       "alimenti non ne fa parte."),
                        120, Top + 1080, 9255, 735);
    nota->setFont(fonts::classicSans(9.75));
}
