#include "finestraprincipale.h"

#include "platform/controls.h"
#include "platform/msgbox.h"
#include "platform/twips.h"
#include "modzelvo.h"
#include "openers.h"

#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QToolBar>

namespace {
QString titolo(const QString& name) {
    if (name == QLatin1String("menu"))
        return QStringLiteral("&Menu");
    if (name == QLatin1String("tabella"))
        return QStringLiteral("&Tabella");
    return QStringLiteral("&Composizione");
}
} // namespace

FinestraPrincipale::FinestraPrincipale(const Setup& setup) : ProportionedForm(setup.name), setup_(setup) {
    using namespace controls;
    setWindowTitle(setup.caption);
    resize(twips::px(9480), twips::px(6135 + Top));

    barramenu = new QMenuBar(this);
    barramenu->setObjectName(QStringLiteral("barramenu"));
    barramenu->setGeometry(0, 0, twips::px(9480), twips::px(330));
    mark(barramenu);
    QMenu* file = barramenu->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&Esci"), this, [this] { esco_Click(); });
    QMenu* views = barramenu->addMenu(QStringLiteral("&Visualizza"));
    for (const QString& view : setup.views)
        views->addAction(titolo(view).mid(1).prepend(QLatin1Char('&')), this, [view] { openers::apri(view); });
    QMenu* help = barramenu->addMenu(QStringLiteral("&?"));
    help->addAction(QStringLiteral("&Sommario della guida"), this, [] { openers::apri(QStringLiteral("sommario")); });
    help->addAction(QStringLiteral("&Guida alla finestra"), this, [guide = setup.guide] { openers::apri(guide); });
    help->addAction(QStringLiteral("&Suggerimenti..."), this, [] { openers::apri(QStringLiteral("frmTip")); });
    help->addAction(QStringLiteral("Supporto &clienti"), this,
                    [] { openers::apri(QStringLiteral("supportoclienti")); });
    if (setup.aboutItem)
        help->addAction(QStringLiteral("&Informazioni su Zelvo"), this, [] { openers::apri(QStringLiteral("informa")); });

    Toolbar1 = new QToolBar(this);
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1->setGeometry(0, twips::px(330), twips::px(9480), twips::px(420));
    Toolbar1->setToolButtonStyle(Qt::ToolButtonTextOnly);
    mark(Toolbar1);
    for (const QString& view : setup.views)
        Toolbar1->addAction(titolo(view).mid(1), this, [view] { openers::apri(view); });
    Toolbar1->addSeparator();
    Toolbar1->addAction(QStringLiteral("Sommario"), this, [] { openers::apri(QStringLiteral("sommario")); });
    Toolbar1->addAction(QStringLiteral("Suggerimenti"), this, [] { openers::apri(QStringLiteral("frmTip")); });
    Toolbar1->addAction(QStringLiteral("Supporto"), this, [] { openers::apri(QStringLiteral("supportoclienti")); });
    if (setup.aboutItem)
        Toolbar1->addAction(QStringLiteral("Informazioni"), this, [] { openers::apri(QStringLiteral("informa")); });

    const int bottom = Top;
    aiuto = button(this, QStringLiteral("aiuto"), QStringLiteral("&AIUTO"), 120, 5760 + bottom, 1095, 375,
                   QStringLiteral("cliccare per avere gli aiuti in linea"));
    guidainlinea = button(this, QStringLiteral("guidainlinea"), QStringLiteral("&Guida in linea"), 1200, 5760 + bottom,
                          setup.name == QLatin1String("composizione") ? 1111 : 1095, 375,
                          QStringLiteral("cliccare per visualizzare il Sommario della guida"));
    esco = button(this, QStringLiteral("esco"), QStringLiteral("&USCITA"), 8280, 5760 + bottom, 1095, 375,
                  QStringLiteral("cliccare per uscire da Zelvo"));
    passo = label(this, QStringLiteral("passo"), setup.hint, 2400, 5640 + bottom, 4695, 450);
    passo->setToolTip(setup.hintTooltip);
    passo->setAlignment(Qt::AlignCenter);
    passo->setFrameShape(QFrame::Box);
    setBackColor(passo, Yellow);
    setForeColor(passo, Black);
    connect(aiuto, &QPushButton::clicked, this, [this] { aiuto_Click(); });
    connect(guidainlinea, &QPushButton::clicked, this, [this] { guidainlinea_Click(); });
    connect(esco, &QPushButton::clicked, this, [this] { esco_Click(); });

    QGroupBox* colonne = frame(this, QStringLiteral("Frame9"),
                               QStringLiteral("approfondimenti: clicca su un'intestazione di colonna"), 120, Top + 120,
                               9255, 735);
    const int count = static_cast<int>(setup.headings.size());
    const int width = count > 0 ? std::min(1455, 9015 / count) : 0;
    for (int i = 0; i < count; ++i)
        apertura(colonne, QStringLiteral("intestazione(%1)").arg(i + 1), setup.headings[size_t(i)], 120 + i * width,
                 300, width - 15, 315);
}

QPushButton* FinestraPrincipale::apertura(QWidget* parent, const QString& name, const Opener& opener, int left,
                                          int top, int width, int height) {
    QPushButton* button = controls::button(parent, name, opener.caption, left, top, width, height, opener.tooltip);
    connect(button, &QPushButton::clicked, this, [target = opener.target] { openers::apri(target); });
    return button;
}

void FinestraPrincipale::Form_Load() {
    sizeToScreen();
    ModZelvo::inizializza();
    setup();
}

void FinestraPrincipale::aiuto_Click() {
    msgbox::show(setup_.helpLines.join(QChar(13)), msgbox::Information, ModZelvo::titoloaiuto);
}

void FinestraPrincipale::guidainlinea_Click() { openers::apri(QStringLiteral("sommario")); }

void FinestraPrincipale::esco_Click() { ModZelvo::uscita(); }
