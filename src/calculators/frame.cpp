#include "frame.h"

#include "platform/controls.h"
#include "platform/twips.h"
#include "shell/openers.h"

#include <QLabel>
#include <QPushButton>

FrameWindow::FrameWindow(const Setup& setup)
    : HelpBarWindow(setup), layout_(setup.layout), designWidth_(setup.designWidth),
      designHeight_(setup.designHeight), hint_(setup.hint) {
    resize(twips::px(setup.designWidth), twips::px(setup.designHeight));
    using namespace controls;
    const QString menuTip = tooltip(QStringLiteral("visualizzare la finestra Menu"));

    if (setup.layout == Layout::Requirements) {
        addHelpButtons({120, 6000}, QStringLiteral("Command1"), {1200, 6000});
        cmdmenu =
            button(this, QStringLiteral("indietro"), QStringLiteral("&Menu"), 7200, 6000, 1095, 375, menuTip);
        addExitAndHint(QStringLiteral("cmdesci"), QStringLiteral("US&CITA"), {8280, 6000}, 5880, setup.hint,
                       QStringLiteral("indicazioni sulla corretta procedura di immissione dei dati"));
    } else {
        const bool calc = setup.layout == Layout::Calculator;
        addHelpButtons({120, calc ? 5760 : 5400}, QStringLiteral("guidainlinea"),
                       {calc ? 1200 : 120, 5760, calc ? 1111 : 1095});
        cmdcomp = button(this, QStringLiteral("cmdcomp"), QStringLiteral("&Composizione"), 7200, 5400, 1095,
                         375, QStringLiteral("clicca per visualizzare la finestra Composizione"));
        cmdtab = button(this, QStringLiteral("cmdtab"), QStringLiteral("&Tabella"), 8280, 5400, 1095, 375,
                        QStringLiteral("clicca per visualizzare la finestra Tabella"));
        cmdmenu =
            button(this, QStringLiteral("cmdmenu"), QStringLiteral("&Menu"), 7200, 5760, 1095, 375, menuTip);
        addExitAndHint(QStringLiteral("esco"), QStringLiteral("&USCITA"), {8280, 5760}, 5640, QString(),
                       QStringLiteral("indicazioni sulla corretta procedura di gestione dei dati"));
        connect(cmdtab, &QPushButton::clicked, this, [this] { cmdtab_click(); });
        connect(cmdcomp, &QPushButton::clicked, this, [this] { cmdcomp_click(); });
    }
    connect(cmdmenu, &QPushButton::clicked, this, [this] { cmdmenu_Click(); });
}

void FrameWindow::Form_Load() {
    sizeToScreen();
    fixSize(designWidth_, designHeight_);
    if (layout_ != Layout::Requirements)
        passo->setText(hint_);
    setup();
}

void FrameWindow::leaveTo(const QString& name) {
    if (unloadsBeforeLeaving())
        forms::unload(objectName());
    openers::apri(name);
}

void FrameWindow::cmdmenu_Click() {
    leaveTo(QStringLiteral("menu"));
}

void FrameWindow::cmdtab_click() {
    leaveTo(QStringLiteral("tabella"));
}

void FrameWindow::cmdcomp_click() {
    leaveTo(QStringLiteral("composizione"));
}
