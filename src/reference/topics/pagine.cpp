#include "pagina.h"

namespace reference {

const std::vector<Pagina>& pagine() {
    static const std::vector<Pagina> list{
        {"alimentari", "Zelvo: tipi di alimenti", "Approndimenti sui vari tipi di alimenti:", 1},
        {"appprotidi", "Zelvo: funzione dei protidi", "Approndimenti sui protidi:", 2},
        {"applipidi", "Zelvo: funzione dei lipidi", "Approndimenti sui lipidi:", 3},
        {"appglucidi", "Zelvo: funzione dei glucidi", "Approndimenti sui glucidi o carboidrati:", 4},
        {"appcalcio", "Zelvo: funzione del calcio negli alimenti",
         "Approndimenti sul calcio negli alimenti:", 6, true},
        {"appfosforo", "Zelvo: funzione del fosforo negli alimenti",
         "Approndimenti sul fosforo negli alimenti:", 7},
        {"appferro", "Zelvo: funzione del ferro negli alimenti",
         "Approndimenti sul ferro negli alimenti:", 8},
        {"appvitA", "Zelvo: funzione della vitamina A", "Approndimenti sulla vitamina A:", 9},
        {"appvitB1", "Zelvo: funzione della vitamina B1", "Approndimenti sulla vitamina B1:", 10},
        {"appvitB2", "Zelvo: funzione della vitamina B2", "Approndimenti sulla vitamina B2:", 11},
        {"appvitPP", "Zelvo: funzione della vitamina PP", "Approndimenti sulla vitamina PP (o B3):", 12},
        // The vitamin C page was drawn 120 twips shorter in its frame and text box.
        {"appvitC", "Zelvo: funzione della vitamina C", "Approndimenti sulla vitamina C:", 13, false, 4095,
         3735},
        {"appcolesterolo", "Zelvo: il colesterolo", "Approndimenti sul colesterolo:", 14, true},
        {"cottura", "Zelvo: preparazione e cottura degli alimenti",
         "Approndimenti sulla preparazione e sulla cottura dei cibi:", 15},
        {"appalcol", "Zelvo: funzione del vino e dell'alcool", "Approndimenti sul vino e l'alcool:", 18},
    };
    return list;
}

const Pagina* pagina(const QString& name) {
    for (const Pagina& p : pagine())
        if (p.name() == name)
            return &p;
    return nullptr;
}

} // namespace reference
