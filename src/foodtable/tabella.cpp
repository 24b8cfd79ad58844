#include "tabella.h"

#include "headings.h"
#include "platform/controls.h"
#include "platform/fonts.h"

namespace {
FinestraPrincipale::Setup impostazione() {
    FinestraPrincipale::Setup s;
    s.name = QStringLiteral("tabella");
    s.caption = QStringLiteral("Zelvo: tabella degli alimenti");
    s.hint = QStringLiteral("clicca su un'intestazione di colonna per leggere l'approfondimento");
    s.hintTooltip = QStringLiteral("indicazioni sulla corretta procedura di immissione dei dati");
    s.helpLines = {
        QStringLiteral("- Cliccare su un'intestazione di colonna per leggere l'approfondimento;"),
        QStringLiteral("- usare il menu Visualizza per passare alle finestre Menu e Composizione.")};
    s.views = {{QStringLiteral("menu"), QStringLiteral("Menu")},
               {QStringLiteral("composizione"), QStringLiteral("Composizione")}};
    s.headings = foodtable::intestazioni(false);
    s.guide = QStringLiteral("guidatabella");
    return s;
}
} // namespace

tabella::tabella() : FinestraPrincipale(impostazione()) {
    QLabel* nota =
        controls::label(this, QStringLiteral("Label20"),
                        QStringLiteral("In questa edizione la finestra Tabella apre gli approfondimenti "
                                       "e la guida; la modifica delle tabelle degli alimenti non ne fa "
                                       "parte."),
                        120, Top + 1080, 9255, 735);
    nota->setFont(fonts::classicSans(9.75));
}
