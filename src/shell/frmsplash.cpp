#include "frmsplash.h"

#include "modzelvo.h"
#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/twips.h"
#include "schermo.h"

#include <QDir>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>

namespace {
// A plate with fruit and a leaf, drawn rather than shipped as a picture.
QPixmap immagine(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(90, 90, 90), 2));
    p.setBrush(QColor(245, 245, 235));
    p.drawEllipse(QRectF(size * 0.05, size * 0.35, size * 0.9, size * 0.55));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 30, 40));
    p.drawEllipse(QRectF(size * 0.2, size * 0.3, size * 0.32, size * 0.32));
    p.setBrush(QColor(240, 160, 20));
    p.drawEllipse(QRectF(size * 0.48, size * 0.34, size * 0.3, size * 0.3));
    p.setBrush(QColor(60, 150, 60));
    QPainterPath leaf;
    leaf.moveTo(size * 0.36, size * 0.32);
    leaf.cubicTo(size * 0.4, size * 0.1, size * 0.6, size * 0.08, size * 0.7, size * 0.12);
    leaf.cubicTo(size * 0.62, size * 0.25, size * 0.5, size * 0.32, size * 0.36, size * 0.32);
    p.drawPath(leaf);
    return pixmap;
}
} // namespace

void frmSplash::registerForm() {
    forms::registerForm(QString::fromLatin1(Name), [] { return new frmSplash; });
}

frmSplash::frmSplash() : Form(QString::fromLatin1(Name)) {
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setFixedSize(twips::px(7200), twips::px(4200));
    controls::setBackColor(this, controls::White);
    setFocusPolicy(Qt::StrongFocus);

    Image1 = controls::label(this, QStringLiteral("Image1"), QString(), 360, 600, 2400, 2400);
    Image1->setPixmap(immagine(twips::px(2400)));
    lblnome = controls::label(this, QStringLiteral("lblnome"), QString(), 3000, 600, 3960, 900);
    lblnome->setFont(fonts::classicSans(32, true));
    controls::setForeColor(lblnome, 0x00008000);
    lblsottotitolo =
        controls::label(this, QStringLiteral("lblsottotitolo"), QString(), 3000, 1560, 3960, 420);
    lblsottotitolo->setFont(fonts::classicSans(12));
    Label1 = controls::label(this, QStringLiteral("Label1"), QString(), 3000, 2160, 3960, 300);
    Label1->setFont(fonts::classicSans(8.25, true));
    Label2 = controls::label(this, QStringLiteral("Label2"), QString(), 360, 3360, 6480, 300);
    Label2->setFont(fonts::classicSans(9.75));
    auto* hint = controls::label(this, QStringLiteral("Label3"),
                                 QStringLiteral("clic per entrare nel programma, un tasto per uscire"), 360,
                                 3780, 6480, 255);
    controls::setForeColor(hint, 0x00808080);
    for (QLabel* label : {Image1, lblnome, lblsottotitolo, Label1, Label2, hint})
        label->installEventFilter(this);
}

void frmSplash::Form_Load() {
    tune_.open(QDir::current().filePath(QStringLiteral("Internet.mid")));
    tune_.play();
    ModZelvo::inizializza();
    lblnome->setText(ModZelvo::nomeprogramma);
    lblsottotitolo->setText(ModZelvo::sottotitolo);
    Label1->setText(QStringLiteral("EDIZIONE PROFESSIONALE - VERSIONE ") + ModZelvo::versione);
    schermo::centra(this, QGuiApplication::primaryScreen());
}

void frmSplash::Form_Unload() {
    tune_.close();
}

void frmSplash::mostramenu() {
    tune_.pause();
    forms::show(QStringLiteral("menu"));
    hide();
}

void frmSplash::Form_KeyPress() {
    tune_.close();
    forms::unload(QString::fromLatin1(Name));
    forms::unload(QStringLiteral("prodotti"));
}

void frmSplash::schermatachiusura() {
    auto* splash = qobject_cast<frmSplash*>(forms::load(QString::fromLatin1(Name)));
    if (!splash)
        return;
    splash->tune_.play();
    forms::show(QString::fromLatin1(Name));
    splash->Label2->setText(QStringLiteral("          elaborazione eseguita con"));
    splash->setFocus();
}

void frmSplash::mousePressEvent(QMouseEvent*) {
    mostramenu();
}

void frmSplash::keyPressEvent(QKeyEvent* event) {
    // Only a key that types a character, Return or Escape counts: a modifier pressed alone (the Alt of an
    // Alt+Tab), an arrow or a function key leaves the screen as it is.
    const int key = event->key();
    const bool command = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const bool types = !command && !event->text().isEmpty() && event->text().front().isPrint();
    if (types || key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape)
        Form_KeyPress();
}

bool frmSplash::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        mousePressEvent(nullptr);
        return true;
    }
    return Form::eventFilter(watched, event);
}
