#include "viste.h"

namespace {

struct Colonna {
    const char* caption;
    const char* target;
    bool minerale; // a mineral or a vitamin: only the composition view has its column
};

const Colonna colonne[] = {
    {"alimento", "alimentari", false},    {"protidi", "appprotidi", false}, {"lipidi", "applipidi", false},
    {"glucidi", "appglucidi", false},     {"calcio", "appcalcio", true},    {"fosforo", "appfosforo", true},
    {"ferro", "appferro", true},          {"vit.A", "appvitA", true},       {"vit.B1", "appvitB1", true},
    {"vit.B2", "appvitB2", true},         {"vit.PP", "appvitPP", true},     {"vit.C", "appvitC", true},
    {"colest.", "appcolesterolo", false}, {"kcal", "fabbisogno", false}};

struct Vista {
    const char* nome;
    const char* titolo;
    const char* indicazioni; // the hint's tooltip
    const char* aiuto[2];
    const char* guida;
    int larghezzaguida;
    bool minerali;
    const char* nota;
};

const Vista tabelle[] = {
    {"tabella",
     "Zelvo: tabella degli alimenti",
     "indicazioni sulla corretta procedura di immissione dei dati",
     {"- Cliccare su un'intestazione di colonna per leggere l'approfondimento;",
      "- usare il menu Visualizza per passare alle finestre Menu e Composizione."},
     "guidatabella",
     1095,
     false,
     "In questa edizione la finestra Tabella apre gli approfondimenti e la guida; la modifica delle tabelle "
     "degli alimenti non ne fa parte."},
    {"composizione",
     "Zelvo: composizione degli alimenti",
     "indicazioni sull'uso della finestra",
     {"- La finestra è di sola lettura;",
      "- cliccare su un'intestazione di colonna per leggere l'approfondimento."},
     "guidacomposizione",
     1111,
     true,
     "In questa edizione la finestra Composizione apre gli approfondimenti e la guida; la griglia della "
     "composizione degli alimenti non ne fa parte."}};

FinestraPrincipale::Setup impostazione(const Vista& vista) {
    FinestraPrincipale::Setup s;
    s.name = QString::fromLatin1(vista.nome);
    s.caption = QString::fromUtf8(vista.titolo);
    s.hint = QStringLiteral("clicca su un'intestazione di colonna per leggere l'approfondimento");
    s.hintTooltip = QString::fromUtf8(vista.indicazioni);
    s.helpLines = {QString::fromUtf8(vista.aiuto[0]), QString::fromUtf8(vista.aiuto[1])};
    for (const Colonna& colonna : colonne)
        if (vista.minerali || !colonna.minerale)
            s.headings.push_back({QString::fromUtf8(colonna.caption), QString::fromLatin1(colonna.target),
                                  QStringLiteral("clicca per un approfondimento")});
    s.guide = QString::fromLatin1(vista.guida);
    s.guideWidth = vista.larghezzaguida;
    s.note = QString::fromUtf8(vista.nota);
    return s;
}

} // namespace

namespace foodtable {

const std::vector<FinestraPrincipale::Setup>& viste() {
    static const std::vector<FinestraPrincipale::Setup> list{impostazione(tabelle[0]),
                                                             impostazione(tabelle[1])};
    return list;
}

} // namespace foodtable
