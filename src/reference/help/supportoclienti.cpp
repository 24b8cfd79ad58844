#include "supportoclienti.h"

#include "forme.h"
#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/textfiles.h"
#include "platform/twips.h"
#include "prodotti.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {
constexpr int LarghezzaInterna = 6975;
constexpr int AltezzaInterna = 4020;

} // namespace

supportoclienti::supportoclienti() : Form(QStringLiteral("supportoclienti")) {
    using namespace controls;
    setWindowTitle(QStringLiteral("Servizi di supporto ai clienti"));
    setFixedSize(twips::px(LarghezzaInterna), twips::px(AltezzaInterna));
    guida::centra(this);

    QLabel* nome =
        label(this, QStringLiteral("Label1"), QStringLiteral("software VORTANEL"), 240, 120, 3015, 375);
    QFont font = fonts::classicSans(14.25, true);
    font.setItalic(true);
    nome->setFont(font);
    label(this, QStringLiteral("Label6"), QStringLiteral("dal 1989"), 3360, 240, 975, 255);
    label(this, QStringLiteral("Label2"), QStringLiteral("Via dei Tigli, 12 - 00000 Città di Esempio"), 240,
          720, 3615, 255);
    label(this, QStringLiteral("Label3"), QStringLiteral("tel. 000 0000000 - fax 000 0000001 - e-mail:"), 240,
          960, 3375, 255);
    QLabel* posta =
        label(this, QStringLiteral("Label9"), QLatin1String(prodotti::Posta), 3720, 960, 3015, 255);
    posta->setFont(fonts::classicSans(8.25, true));
    guida::linea(this, QStringLiteral("Line1"), 120, 6720, 1320);
    label(this, QStringLiteral("Label4"),
          textfiles::resource(QStringLiteral(":/reference/help/assistenza.txt")), 240, 1440, 6495, 1215);
    label(this, QStringLiteral("Label5"),
          textfiles::resource(QStringLiteral(":/reference/help/adattamenti.txt")), 240, 2640, 6495, 615);
    guida::linea(this, QStringLiteral("Line2"), 120, 4680, 3360);
    Command1 = button(this, QStringLiteral("Command1"), QStringLiteral("OK"), 4920, 3360, 1815, 495);
    // The caption fills its designed width, short of Label10, with its letters drawn a shade closer than the
    // sans serif used here would set them.
    QLabel* didascalia =
        label(this, QStringLiteral("Label8"), QStringLiteral("sito internet:"), 240, 3600, 855, 255);
    didascalia->setWordWrap(false);
    QFont stretta = didascalia->font();
    stretta.setLetterSpacing(QFont::PercentageSpacing, 96);
    didascalia->setFont(stretta);
    QLabel* sito =
        label(this, QStringLiteral("Label10"), QLatin1String(prodotti::Sito), 1080, 3600, 3495, 255);
    sito->setFont(fonts::classicSans(8.25, true));
    sito->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
}

void supportoclienti::Command1_Click() {
    forms::hide(objectName());
}
