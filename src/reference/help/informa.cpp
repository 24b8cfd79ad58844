#include "informa.h"

#include "forme.h"
#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/textfiles.h"
#include "platform/twips.h"
#include "shell/modzelvo.h"

#include <QDate>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {
constexpr int LarghezzaInterna = 6975;
constexpr int AltezzaInterna = 4020;

// The titles were drawn in Arial and Arial Black, which many systems lack; the window's own sans serif
// stands in for both, so they look alike wherever the program runs, with the weight marking Arial Black.
QFont sansSerif(double size, bool bold, bool italic, QFont::Weight weight = QFont::Bold) {
    QFont font = fonts::classicSans(size, bold);
    if (bold)
        font.setWeight(weight);
    font.setItalic(italic);
    return font;
}

// The year of a day/month/year date; the trailing digits when the text is no date.
QString anno(const QString& data) {
    const QDate date = QDate::fromString(data, QStringLiteral("dd/MM/yyyy"));
    if (date.isValid())
        return QStringLiteral("%1").arg(date.year(), 4, 10, QLatin1Char('0'));
    return data.section(QLatin1Char('/'), -1);
}
} // namespace

informa::informa() : Form(QStringLiteral("informa")) {
    using namespace controls;
    setFixedSize(twips::px(LarghezzaInterna), twips::px(AltezzaInterna));

    Label3 = label(this, QStringLiteral("Label3"), QStringLiteral("software VORTANEL"), 120, 0, 6615, 375);
    Label3->setFont(sansSerif(18, true, true));
    Label1 = label(this, QStringLiteral("Label1"), QString(), 240, 360, 6495, 615);
    Label1->setFont(sansSerif(24, true, false, QFont::Black));
    Label2 = label(this, QStringLiteral("Label2"), QString(), 240, 960, 6495, 255);
    Label2->setFont(fonts::classicSans(9.75));
    guida::linea(this, QStringLiteral("Line1"), 240, 6720, 1320);
    Label5 = label(this, QStringLiteral("Label5"), QStringLiteral("per sistemi Windows a 32 bit "), 2400,
                   1440, 2175, 255);
    Label6 = label(this, QStringLiteral("Label6"), QString(), 1320, 1680, 4335, 255);
    guida::linea(this, QStringLiteral("Line2"), 1320, 5640, 2040);
    label7 = label(this, QStringLiteral("label7"),
                   QStringLiteral("(musica d'apertura: \"Internet\", composta apposta per ZELVO)"), 0, 2160,
                   6975, 255);
    setForeColor(label7, Blue);
    guida::linea(this, QStringLiteral("Line3"), 480, 6480, 2520);
    Label4 =
        label(this, QStringLiteral("Label4"),
              textfiles::resource(QStringLiteral(":/reference/help/avvertenze.txt")), 240, 2640, 3495, 1215);
    for (QLabel* centred : {Label3, Label1, Label2, Label6, label7})
        centred->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    cmdOK = button(this, QStringLiteral("cmdOK"), QStringLiteral("OK"), 5160, 3120, 1575, 495);
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
}

void informa::Form_Load() {
    guida::centra(this);
    setWindowTitle(QStringLiteral("Informazioni su ") + ModZelvo::nomeprogramma);
    Label1->setText(ModZelvo::nomeprogramma);
    Label2->setText(ModZelvo::sottotitolo);
    Label6->setText(rigaversione());
}

QString informa::rigaversione() {
    using namespace ModZelvo;
    return QStringLiteral("edizione professionale - versione ") + versione + QStringLiteral("  ") +
           anno(dataversione) + QStringLiteral("- 20") + codicedata.right(2);
}

void informa::cmdOK_Click() {
    forms::hide(objectName());
}
