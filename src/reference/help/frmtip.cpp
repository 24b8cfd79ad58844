#include "frmtip.h"

#include "forme.h"
#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/textfiles.h"
#include "platform/twips.h"
#include "shell/modzelvo.h"

#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace {
constexpr int LarghezzaInterna = 6195;
constexpr int AltezzaInterna = 3285;

QString messaggioilleggibile() {
    const QString nome = QLatin1String(frmTip::NomeFile);
    return QStringLiteral("Impossibile leggere il file ") + nome + QStringLiteral("\r\n\r\n") +
           QStringLiteral("Il file si trova nella directory dell'applicazione ma non può essere aperto: "
                          "controllare che sia un file di testo e di avere il permesso di leggerlo. ");
}

QString messaggiotroppogrande(qsizetype suggerimenti) {
    return QStringLiteral("Il file ") + QLatin1String(frmTip::NomeFile) +
           QStringLiteral(" è troppo grande\r\n\r\nNe sono stati letti soltanto i primi %1 MB, con %2 "
                          "suggerimenti: premere Successivo per vederli. ")
               .arg(textfiles::MaxBytes / (1024 * 1024))
               .arg(suggerimenti);
}
} // namespace

frmTip::frmTip() : Form(QStringLiteral("frmTip")) {
    using namespace controls;
    setWindowTitle(QStringLiteral("Suggerimento del giorno"));
    setFixedSize(twips::px(LarghezzaInterna), twips::px(AltezzaInterna));

    Picture1 = new QFrame(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setFrameShape(QFrame::Panel);
    Picture1->setFrameShadow(QFrame::Sunken);
    twips::place(Picture1, 120, 120, 4455, 2715);
    setBackColor(Picture1, LightYellow);

    auto* icona = new QLabel(Picture1);
    icona->setObjectName(QStringLiteral("Image1"));
    icona->setGeometry(2, 2, 32, 32);
    icona->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(32, 32));

    Label1 = label(Picture1, QStringLiteral("Label1"), QStringLiteral("Non tutti sanno che..."), 540, 180,
                   2655, 255);
    Label1->setFont(fonts::classicSans(8.25, true));
    lblTipText = label(Picture1, QStringLiteral("lblTipText"), QString(), 180, 840, 4095, 1635);
    lblTipText->setFont(fonts::classicSans(9.75));
    for (QLabel* l : {Label1, lblTipText}) {
        setBackColor(l, LightYellow);
        setForeColor(l, Black);
    }

    cmdOK = button(this, QStringLiteral("cmdOK"), QStringLiteral("&Chiudi"), 4800, 120, 1215, 375);
    cmdNextTip =
        button(this, QStringLiteral("cmdNextTip"), QStringLiteral("&Successivo"), 4800, 600, 1215, 375);
    cmdprecedente =
        button(this, QStringLiteral("cmdprecedente"), QStringLiteral("&Precedente"), 4800, 1080, 1215, 375);
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdNextTip, &QPushButton::clicked, this, [this] { cmdNextTip_Click(); });
    connect(cmdprecedente, &QPushButton::clicked, this, [this] { cmdprecedente_Click(); });
}

void frmTip::Form_Load() {
    guida::centra(this);
    const QString path = ModZelvo::cartellaprogramma() + QLatin1Char('/') + QLatin1String(NomeFile);
    if (LoadTips(path))
        return;
    // Something of that name that cannot be read is not a missing file: saying so points at the real fault.
    lblTipText->setText(QFileInfo::exists(path) ? messaggioilleggibile() : messaggiomancante());
}

QString frmTip::messaggiomancante() {
    const QString nome = QLatin1String(NomeFile);
    const QString riga = QStringLiteral("\r\n");
    return QStringLiteral("Impossibile trovare il file ") + nome + riga + riga +
           QStringLiteral("Creare un file di testo denominato ") + nome +
           QStringLiteral(" utilizzando il Blocco note e inserendo un suggerimento per ogni riga. ") +
           QStringLiteral("Inserire il file nella stessa directory dell'applicazione. ");
}

bool frmTip::LoadTips(const QString& path) {
    if (path.isEmpty())
        return false;
    const textfiles::Contents letto = textfiles::read(path);
    if (letto.status != textfiles::Contents::Status::Read)
        return false;
    QString testo = letto.text;
    testo.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    testo.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    // The line end closes a line; it does not open an empty one after the last.
    if (testo.endsWith(QLatin1Char('\n')))
        testo.chop(1);
    if (!letto.text.isEmpty())
        TipList += testo.split(QLatin1Char('\n'));
    if (letto.truncated) {
        // The notice stands before the first tip, which "Successivo" brings.
        lblTipText->setText(messaggiotroppogrande(TipList.size()));
        return true;
    }
    ShowNextTip();
    return true;
}

void frmTip::ShowNextTip() {
    TipPosition += 1;
    if (TipPosition > TipList.size())
        TipPosition = 1;
    DisplayCurrentTip();
}

void frmTip::DisplayCurrentTip() {
    if (!TipList.isEmpty())
        lblTipText->setText(TipList.at(TipPosition - 1));
}

void frmTip::cmdNextTip_Click() {
    ShowNextTip();
}

void frmTip::cmdprecedente_Click() {
    if (TipPosition > 1 && !TipList.isEmpty()) {
        TipPosition -= 1;
        lblTipText->setText(TipList.at(TipPosition - 1));
    }
}

void frmTip::cmdOK_Click() {
    forms::hide(objectName());
}

void frmTip::keyPressEvent(QKeyEvent* event) {
    // Chiudi is also the cancel button.
    if (event->key() == Qt::Key_Escape) {
        cmdOK->click();
        return;
    }
    Form::keyPressEvent(event);
}
