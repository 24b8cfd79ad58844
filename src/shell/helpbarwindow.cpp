#include "helpbarwindow.h"

#include "modzelvo.h"
#include "openers.h"
#include "platform/controls.h"
#include "platform/msgbox.h"

#include <QLabel>
#include <QPushButton>

HelpBarWindow::HelpBarWindow(const Setup& setup)
    : ProportionedForm(setup.name), tooltips_(setup.tooltips), helpLines_(setup.helpLines) {
    setWindowTitle(setup.caption);
}

QString HelpBarWindow::tooltip(const QString& what) const {
    const QString verb =
        tooltips_ == Tooltips::Cliccare ? QStringLiteral("cliccare") : QStringLiteral("clicca");
    return verb + QStringLiteral(" per ") + what;
}

void HelpBarWindow::addHelpButtons(Place help, const QString& guideName, Place guide) {
    aiuto = controls::button(this, QStringLiteral("aiuto"), QStringLiteral("&AIUTO"), help.left, help.top,
                             help.width, 375, tooltip(QStringLiteral("avere gli aiuti in linea")));
    guidainlinea =
        controls::button(this, guideName, QStringLiteral("&Guida in linea"), guide.left, guide.top,
                         guide.width, 375, tooltip(QStringLiteral("visualizzare il Sommario della guida")));
    connect(aiuto, &QPushButton::clicked, this, [this] { aiuto_Click(); });
    connect(guidainlinea, &QPushButton::clicked, this, [this] { guidainlinea_Click(); });
}

void HelpBarWindow::addExitAndHint(const QString& exitName, const QString& exitCaption, Place exit,
                                   int hintTop, const QString& hint, const QString& hintTooltip) {
    using namespace controls;
    esco = button(this, exitName, exitCaption, exit.left, exit.top, exit.width, 375,
                  tooltip(QStringLiteral("uscire da Zelvo")));
    connect(esco, &QPushButton::clicked, this, [this] { esco_Click(); });
    passo = label(this, QStringLiteral("passo"), hint, 2400, hintTop, 4695, 450);
    passo->setToolTip(hintTooltip);
    setBackColor(passo, Yellow);
    setForeColor(passo, Black);
    passo->setFrameShape(QFrame::Box);
    passo->setAlignment(Qt::AlignCenter);
}

QString HelpBarWindow::helpText() const {
    return helpLines_.join(QChar(13));
}

void HelpBarWindow::aiuto_Click() {
    msgbox::show(helpText(), msgbox::Information, ModZelvo::titoloaiuto);
}

void HelpBarWindow::guidainlinea_Click() {
    openers::apri(QStringLiteral("sommario"));
}

void HelpBarWindow::esco_Click() {
    ModZelvo::uscita();
}
