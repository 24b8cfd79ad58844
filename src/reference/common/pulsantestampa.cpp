#include "pulsantestampa.h"

#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/twips.h"

#include <QPainter>
#include <QToolButton>

namespace {
// A small printer drawn in place of a picture file, so the button reads as the print command at a glance.
QIcon stampante() {
    QPixmap pixmap(24, 24);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawRect(7, 2, 10, 7); // sheet going in
    p.setBrush(QColor(0x80, 0x80, 0x80));
    p.drawRect(2, 9, 20, 9); // body
    p.setBrush(Qt::white);
    p.drawRect(6, 15, 12, 7); // sheet coming out
    p.drawLine(8, 18, 16, 18);
    p.setBrush(Qt::green);
    p.drawRect(18, 11, 2, 2);
    return QIcon(pixmap);
}
} // namespace

namespace reference {

QToolButton* pulsantestampa(QWidget* parent, int left, int top, int width, int height) {
    auto* stampa = new QToolButton(parent);
    stampa->setObjectName(QStringLiteral("stampa"));
    twips::place(stampa, left, top, width, height);
    stampa->setFont(fonts::classicSans(8.25));
    stampa->setText(QStringLiteral("&Stampa"));
    stampa->setIcon(stampante());
    stampa->setIconSize(QSize(24, 24));
    stampa->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    stampa->setToolTip(QStringLiteral("cliccare per stampare i dati della finestra"));
    controls::mark(stampa);
    return stampa;
}

} // namespace reference
