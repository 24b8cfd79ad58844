#include "finestraprincipale.h"

#include "modzelvo.h"
#include "openers.h"
#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/twips.h"

#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QToolBar>

namespace {
// The three main windows, in the order "Visualizza" and the toolbar list the other two.
struct View {
    const char* name;
    const char* caption;
};
constexpr View views[] = {{"menu", "Menu"}, {"tabella", "Tabella"}, {"composizione", "Composizione"}};
} // namespace

FinestraPrincipale::FinestraPrincipale(const Setup& setup) : HelpBarWindow(setup) {
    using namespace controls;
    resize(twips::px(9480), twips::px(6135 + Top));

    barramenu = new QMenuBar(this);
    barramenu->setObjectName(QStringLiteral("barramenu"));
    barramenu->setGeometry(0, 0, twips::px(9480), twips::px(330));
    mark(barramenu);
    QMenu* file = barramenu->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&Esci"), this, [this] { esco_Click(); });
    QMenu* visualizza = barramenu->addMenu(QStringLiteral("&Visualizza"));
    for (const View& view : views)
        if (setup.name != QLatin1String(view.name))
            visualizza->addAction(QLatin1Char('&') + QLatin1String(view.caption), this,
                                  [name = QString::fromLatin1(view.name)] { openers::apri(name); });
    QMenu* help = barramenu->addMenu(QStringLiteral("&?"));
    help->addAction(QStringLiteral("S&ommario della guida"), this,
                    [] { openers::apri(QStringLiteral("sommario")); });
    help->addAction(QStringLiteral("&Guida alla finestra"), this,
                    [guide = setup.guide] { openers::apri(guide); });
    help->addAction(QStringLiteral("&Suggerimenti..."), this,
                    [] { openers::apri(QStringLiteral("frmTip")); });
    help->addAction(QStringLiteral("Supporto &clienti"), this,
                    [] { openers::apri(QStringLiteral("supportoclienti")); });
    help->addAction(QStringLiteral("&Informazioni su Zelvo"), this,
                    [] { openers::apri(QStringLiteral("informa")); });

    Toolbar1 = new QToolBar(this);
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1->setGeometry(0, twips::px(330), twips::px(9480), twips::px(420));
    Toolbar1->setToolButtonStyle(Qt::ToolButtonTextOnly);
    mark(Toolbar1);
    for (const View& view : views)
        if (setup.name != QLatin1String(view.name))
            Toolbar1->addAction(QLatin1String(view.caption), this,
                                [name = QString::fromLatin1(view.name)] { openers::apri(name); });
    Toolbar1->addSeparator();
    Toolbar1->addAction(QStringLiteral("Sommario"), this, [] { openers::apri(QStringLiteral("sommario")); });
    Toolbar1->addAction(QStringLiteral("Suggerimenti"), this,
                        [] { openers::apri(QStringLiteral("frmTip")); });
    Toolbar1->addAction(QStringLiteral("Supporto"), this,
                        [] { openers::apri(QStringLiteral("supportoclienti")); });
    Toolbar1->addAction(QStringLiteral("Informazioni"), this,
                        [] { openers::apri(QStringLiteral("informa")); });

    // The bar stands where the calculators have it, below the menu bar and the toolbar.
    addHelpButtons({120, 5760 + Top}, QStringLiteral("guidainlinea"), {1200, 5760 + Top, setup.guideWidth});
    addExitAndHint(QStringLiteral("esco"), QStringLiteral("&USCITA"), {8280, 5760 + Top}, 5640 + Top,
                   setup.hint, setup.hintTooltip);

    QGroupBox* colonne = frame(this, QStringLiteral("Frame9"),
                               QStringLiteral("approfondimenti: clicca su un'intestazione di colonna"), 120,
                               Top + 120, 9255, 735);
    const int count = static_cast<int>(setup.headings.size());
    const int width = count > 0 ? std::min(1455, 9015 / count) : 0;
    for (int i = 0; i < count; ++i)
        apertura(colonne, QStringLiteral("intestazione(%1)").arg(i + 1), setup.headings[size_t(i)],
                 120 + i * width, 300, width - 15, 315);
    if (!setup.note.isEmpty())
        nota(setup.note, Top + 1080);
}

QPushButton* FinestraPrincipale::apertura(QWidget* parent, const QString& name, const Opener& opener,
                                          int left, int top, int width, int height) {
    QPushButton* button =
        controls::button(parent, name, opener.caption, left, top, width, height, opener.tooltip);
    connect(button, &QPushButton::clicked, this, [target = opener.target] { openers::apri(target); });
    return button;
}

void FinestraPrincipale::nota(const QString& text, int top) {
    controls::label(this, QStringLiteral("Label20"), text, 120, top, 9255, 735)
        ->setFont(fonts::classicSans(9.75));
}

void FinestraPrincipale::Form_Load() {
    sizeToScreen();
    ModZelvo::inizializza();
    setup();
}
