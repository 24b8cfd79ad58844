#include "frame.h"

#include "platform/controls.h"
#include "platform/msgbox.h"
#include "platform/twips.h"
#include "shell/modzelvo.h"
#include "shell/openers.h"

#include <QLabel>
#include <QPushButton>

namespace {
struct TooltipSet {
    QString aiuto, guida, menu, esco;
};

TooltipSet tooltips(FrameWindow::Tooltips set) {
    const QString verb = set == FrameWindow::Tooltips::Cliccare ? QStringLiteral("cliccare") : QStringLiteral("clicca");
    return {verb + QStringLiteral(" per avere gli aiuti in linea"),
            verb + QStringLiteral(" per visualizzare il Sommario della guida"),
            verb + QStringLiteral(" per visualizzare la finestra Menu"), verb + QStringLiteral(" per uscire da Zelvo")};
}
} // namespace

FrameWindow::FrameWindow(const Setup& setup) : ProportionedForm(setup.name), setup_(setup) {
    setWindowTitle(setup.caption);
    resize(twips::px(setup.designWidth), twips::px(setup.designHeight));
    using namespace controls;
    const TooltipSet tips = tooltips(setup.tooltips);

    if (setup.layout == Layout::Requirements) {
        aiuto = button(this, QStringLiteral("aiuto"), QStringLiteral("&AIUTO"), 120, 6000, 1095, 375, tips.aiuto);
        guidainlinea = button(this, QStringLiteral("Command1"), QStringLiteral("&Guida in linea"), 1200, 6000, 1095,
                              375, tips.guida);
        cmdmenu = button(this, QStringLiteral("indietro"), QStringLiteral("&Menu"), 7200, 6000, 1095, 375, tips.menu);
        esco = button(this, QStringLiteral("cmdesci"), QStringLiteral("US&CITA"), 8280, 6000, 1095, 375, tips.esco);
        passo = label(this, QStringLiteral("passo"), setup.hint, 2400, 5880, 4695, 450);
        passo->setToolTip(QStringLiteral("indicazioni sulla corretta procedura di immissione dei dati"));
    } else {
        const bool calc = setup.layout == Layout::Calculator;
        aiuto = button(this, QStringLiteral("aiuto"), QStringLiteral("&AIUTO"), 120, calc ? 5760 : 5400, 1095, 375,
                       tips.aiuto);
        guidainlinea = button(this, QStringLiteral("guidainlinea"), QStringLiteral("&Guida in linea"),
                              calc ? 1200 : 120, 5760, calc ? 1111 : 1095, 375, tips.guida);
        cmdcomp = button(this, QStringLiteral("cmdcomp"), QStringLiteral("&Composizione"), 7200, 5400, 1095, 375,
                         QStringLiteral("clicca per visualizzare la finestra Composizione"));
        cmdtab = button(this, QStringLiteral("cmdtab"), QStringLiteral("&Tabella"), 8280, 5400, 1095, 375,
                        QStringLiteral("clicca per visualizzare la finestra Tabella"));
        cmdmenu = button(this, QStringLiteral("cmdmenu"), QStringLiteral("&Menu"), 7200, 5760, 1095, 375, tips.menu);
        esco = button(this, QStringLiteral("esco"), QStringLiteral("&USCITA"), 8280, 5760, 1095, 375, tips.esco);
        passo = label(this, QStringLiteral("passo"), QString(), 2400, 5640, 4695, 450);
        passo->setToolTip(QStringLiteral("indicazioni sulla corretta procedura di gestione dei dati"));
        connect(cmdtab, &QPushButton::clicked, this, [this] { cmdtab_click(); });
        connect(cmdcomp, &QPushButton::clicked, this, [this] { cmdcomp_click(); });
    }
    setBackColor(passo, Yellow);
    setForeColor(passo, Black);
    passo->setFrameShape(QFrame::Box);
    passo->setAlignment(Qt::AlignCenter);
    connect(aiuto, &QPushButton::clicked, this, [this] { aiuto_Click(); });
    connect(guidainlinea, &QPushButton::clicked, this, [this] { guidainlinea_Click(); });
    connect(cmdmenu, &QPushButton::clicked, this, [this] { cmdmenu_Click(); });
    connect(esco, &QPushButton::clicked, this, [this] { esco_Click(); });
}

void FrameWindow::Form_Load() {
    sizeToScreen();
    fixSize(setup_.designWidth, setup_.designHeight);
    if (setup_.layout != Layout::Requirements)
        passo->setText(setup_.hint);
    setup();
}

QString FrameWindow::helpText() const { return setup_.helpLines.join(QChar(13)); }

void FrameWindow::aiuto_Click() { msgbox::show(helpText(), msgbox::Information, ModZelvo::titoloaiuto); }

void FrameWindow::guidainlinea_Click() { openers::apri(QStringLiteral("sommario")); }

void FrameWindow::leaveTo(const QString& name) {
    if (unloadsBeforeLeaving())
        forms::unload(objectName());
    openers::apri(name);
}

void FrameWindow::cmdmenu_Click() { leaveTo(QStringLiteral("menu")); }

void FrameWindow::cmdtab_click() { leaveTo(QStringLiteral("tabella")); }

void FrameWindow::cmdcomp_click() { leaveTo(QStringLiteral("composizione")); }

void FrameWindow::esco_Click() { ModZelvo::uscita(); }
