#include "modzelvo.h"

#include "frmsplash.h"
#include "platform/forms.h"
#include "platform/msgbox.h"
#include "stampainword.h"

#include <QCoreApplication>

namespace ModZelvo {

void inizializza() {
    nomeprogramma = QStringLiteral("Zelvo");
    sottotitolo = QStringLiteral("menu per una dieta equilibrata");
    versione = QStringLiteral("2.04.05");
    dataversione = QStringLiteral("08/01/2002");
    codicedata = QStringLiteral("281211");
    titoloaiuto = nomeprogramma + QStringLiteral(": aiuto in linea");
    titolocontrollo = nomeprogramma + QStringLiteral(": controllo dati immessi nella finestra attiva");
}

void guidainword() {
    stampainword::nuovodocumento();
    stampainword::intestazione(2);
    word::Selection& selection = applicazioneword->selection();
    selection.typeText(QStringLiteral("Guida: ") + titologuida + word::CR + word::CR);
    selection.setFontSize(12);
    selection.typeText(testoguida + word::CR);
    stampainword::giustifica();
}

void uscita() {
    const int answer =
        msgbox::show(QStringLiteral("Vuoi uscire da ") + nomeprogramma + QStringLiteral("?"),
                     msgbox::YesNoQuestionDefaultNo, nomeprogramma + QStringLiteral(": ") + sottotitolo);
    if (answer == msgbox::No)
        return;
    // The composer and the daily-requirements page go first, then every other window in load order.
    QStringList order{QStringLiteral("menu"), QStringLiteral("fabbisogno")};
    for (const QString& name : forms::loadedNames())
        if (!order.contains(name))
            order << name;
    for (const QString& name : order)
        if (name != QLatin1String(frmSplash::Name))
            forms::unload(name);
    frmSplash::schermatachiusura();
}

QString cartellaprogramma() {
    return QCoreApplication::applicationDirPath();
}

} // namespace ModZelvo
