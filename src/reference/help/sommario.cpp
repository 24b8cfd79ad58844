#include "sommario.h"

#include "paginaguida.h"
#include "pagineguida.h"
#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/msgbox.h"
#include "platform/twips.h"
#include "shell/modzelvo.h"
#include "shell/openers.h"
#include "shell/stampainword.h"

#include <QDir>
#include <QEvent>
#include <QLabel>
#include <QPushButton>

namespace {
struct Riga {
    const char* didascalia;
    const char* finestra;
    int top;
};

// Leading blanks are part of the captions.
constexpr Riga righe[sommario::Argomenti] = {
    {"  Manuale d'uso rapido", "manuale", 960},
    {"  Funzionamento del programma", "guidafunzionamento", 1320},
    {"  Archivio dati", "guidaarchivio", 1680},
    {" Come stampare", "guidastampa", 2040},
    {" Finestra Menu", "guidamenu", 2520},
    {" Finestra Tabella", "guidatabella", 2880},
    {" Finestra Composizione", "guidacomposizione", 3240},
    {" Calorie necessarie", "guidacalorie", 3720},
    {" Alimenti", "guidaalimenti", 4080},
    {"  Suggerimento del giorno", "frmTip", 4560},
    {"  altri prodotti Software VORTANEL", "prodotti", 5640},
};

constexpr int LarghezzaInterna = 3855;
constexpr int AltezzaInterna = 6420;

void grassetto(QLabel* label, bool bold) {
    QFont font = label->font();
    if (font.bold() == bold)
        return;
    font.setBold(bold);
    label->setFont(font);
}
} // namespace

sommario::sommario() : ProportionedForm(QStringLiteral("sommario")) {
    using namespace controls;
    resize(twips::px(LarghezzaInterna), twips::px(AltezzaInterna));
    setBackColor(this, LightYellow);
    setMouseTracking(true);

    Label1 = cell(this, QStringLiteral("Label1"), QStringLiteral("Argomenti della guida"), 240, 360, 3375,
                  375, Cyan);
    Label1->setFont(fonts::classicSans(12, true));
    setForeColor(Label1, Black);

    for (int i = 1; i <= Argomenti; ++i) {
        const Riga& riga = righe[i - 1];
        puls[i] =
            button(this, QStringLiteral("puls(%1)").arg(i), QStringLiteral("--->"), 240, riga.top, 375, 255);
        lbl[i] = cell(this, QStringLiteral("lbl(%1)").arg(i), QString::fromUtf8(riga.didascalia), 720,
                      riga.top, 2895, 255, i == Argomenti ? Yellow : Cyan);
        lbl[i]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        lbl[i]->setWordWrap(false);
        setForeColor(lbl[i], Black);
        lbl[i]->setMouseTracking(true);
        lbl[i]->installEventFilter(this);
        connect(puls[i], &QPushButton::clicked, this, [this, i] { puls_Click(i); });
    }

    cmdstampa = button(this, QStringLiteral("cmdstampa"), QStringLiteral("&Stampa"), 240, 6000, 1135, 375,
                       QStringLiteral("cliccare per avere la copia su carta del sommario"));
    cmdchiudi = button(this, QStringLiteral("cmdchiudi"), QStringLiteral("&Chiudi"), 1365, 6000, 1135, 375,
                       QStringLiteral("cliccare per chiudere la finestra"));
    esci = button(this, QStringLiteral("esci"), QStringLiteral("&USCITA"), 2490, 6000, 1125, 375,
                  QStringLiteral("cliccare per uscire da Zelvo"));
    connect(cmdstampa, &QPushButton::clicked, this, [this] { cmdstampa_Click(); });
    connect(cmdchiudi, &QPushButton::clicked, this, [this] { cmdchiudi_Click(); });
    connect(esci, &QPushButton::clicked, this, [this] { esci_Click(); });
}

void sommario::Form_Load() {
    sizeToScreen();
    fixSize(LarghezzaInterna, AltezzaInterna);
    setWindowTitle(ModZelvo::nomeprogramma + QStringLiteral(": guida in linea"));
}

QString sommario::argomento(int Index) {
    if (Index < 1 || Index > Argomenti)
        Index = 1;
    return QString::fromLatin1(righe[Index - 1].finestra);
}

void sommario::puls_Click(int Index) {
    openers::apri(argomento(Index));
}

void sommario::azzeragrassetto() {
    for (int i = 1; i <= Argomenti; ++i)
        grassetto(lbl[i], false);
}

void sommario::lbl_MouseMove(int Index) {
    azzeragrassetto();
    grassetto(lbl[Index], true);
}

void sommario::form_MouseMove() {
    azzeragrassetto();
}

void sommario::lbl_Mousedown(int Index) {
    lbl[Index]->setFrameShape(QFrame::NoFrame);
    puls_Click(Index);
}

void sommario::lbl_MouseUp(int Index) {
    lbl[Index]->setFrameShape(QFrame::Box);
}

bool sommario::eventFilter(QObject* watched, QEvent* event) {
    for (int i = 1; i <= Argomenti; ++i) {
        if (watched != lbl[i])
            continue;
        // Consumed here, so that the move does not reach the window and clear the bold again.
        switch (event->type()) {
        case QEvent::MouseMove:
            lbl_MouseMove(i);
            return true;
        case QEvent::MouseButtonPress:
            lbl_Mousedown(i);
            return true;
        case QEvent::MouseButtonRelease:
            lbl_MouseUp(i);
            return true;
        default:
            break;
        }
        break;
    }
    return Form::eventFilter(watched, event);
}

void sommario::mouseMoveEvent(QMouseEvent* event) {
    form_MouseMove();
    Form::mouseMoveEvent(event);
}

QString sommario::percorsoguida(const QString& cartella) {
    const QString nome = ModZelvo::nomeprogramma + QStringLiteral("-guida") + QStringLiteral(".doc");
    if (cartella.endsWith(QLatin1Char('/')) || cartella.endsWith(QLatin1Char('\\')))
        return cartella + nome;
    return cartella + QLatin1Char('/') + nome;
}

bool sommario::esportaguida(const QString& cartella) {
    using namespace ModZelvo;
    // Named for the whole guide, as its pages' windows are, not after the first page's heading.
    stampainword::nuovodocumento()->setTitle(QStringLiteral("Guida in linea"));
    stampainword::intestazione(2);
    word::Selection& selezione = applicazioneword->selection();

    // The headings take no size of their own: the first keeps the subtitle's 16 pt, the rest the texts' 12.
    const auto& pagine = guida::pagineguida();
    for (size_t n = 0; n < pagine.size(); ++n) {
        const auto* pagina = forms::get<paginaguida>(QString::fromLatin1(pagine[n].nome));
        selezione.typeText(QStringLiteral("Guida: ") + pagina->titolo() + word::CR + word::CR);
        if (n == 0)
            selezione.setFontSize(12);
        QString testo = pagina->testo() + word::CR;
        if (n + 1 < pagine.size())
            testo += word::PageBreak;
        selezione.typeText(testo);
    }
    selezione.document()->select();
    selezione.setAlignment(word::AlignJustify);

    const QString percorso = percorsoguida(cartella);
    QString errore;
    if (applicazioneword->document(applicazioneword->documentCount())->saveAs(percorso, &errore))
        return true;
    msgbox::show(
        errore + QStringLiteral("\rLa guida resta aperta nella finestra del documento: da lì si può salvare "
                                "in un'altra cartella."),
        msgbox::Exclamation, titoloaiuto);
    return false;
}

void sommario::cmdstampa_Click() {
    esportaguida(ModZelvo::cartellaprogramma());
}

void sommario::cmdchiudi_Click() {
    forms::hide(objectName());
}

void sommario::esci_Click() {
    ModZelvo::uscita();
}
