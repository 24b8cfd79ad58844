#include "headings.h"

namespace foodtable {

std::vector<FinestraPrincipale::Opener> intestazioni(bool composizione) {
    auto opener = [](const char* caption, const char* target) {
        return FinestraPrincipale::Opener{QString::fromUtf8(caption), QString::fromLatin1(target),
                                          QStringLiteral("clicca per un approfondimento")};
    };
    std::vector<FinestraPrincipale::Opener> list{
        opener("alimento", "alimentari"), opener("protidi", "appprotidi"), opener("lipidi", "applipidi"),
        opener("glucidi", "appglucidi")};
    if (composizione) {
        list.push_back(opener("calcio", "appcalcio"));
        list.push_back(opener("fosforo", "appfosforo"));
        list.push_back(opener("ferro", "appferro"));
        list.push_back(opener("vit.A", "appvitA"));
        list.push_back(opener("vit.B1", "appvitB1"));
        list.push_back(opener("vit.B2", "appvitB2"));
        list.push_back(opener("vit.PP", "appvitPP"));
        list.push_back(opener("vit.C", "appvitC"));
    }
    list.push_back(opener("colest.", "appcolesterolo"));
    list.push_back(opener("kcal", "fabbisogno"));
    return list;
}

} // namespace foodtable
