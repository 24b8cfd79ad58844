#pragma once

#include "platform/twips.h"

#include <QFrame>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

// Small drawing and placing helpers shared by the fixed-size help windows.
namespace guida {

// Puts a window of fixed size in the middle of the screen, where the small help windows open.
inline void centra(QWidget* window) {
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    window->move(area.x() + (area.width() - window->width()) / 2,
                 area.y() + (area.height() - window->height()) / 2);
}

// A horizontal rule from x1 to x2 at height y, in twips.
inline QFrame* linea(QWidget* parent, const QString& name, int x1, int x2, int y) {
    auto* line = new QFrame(parent);
    line->setObjectName(name);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    line->setGeometry(twips::px(x1), twips::px(y), twips::px(x2 - x1), 1);
    return line;
}

} // namespace guida
