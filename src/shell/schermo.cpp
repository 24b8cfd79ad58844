#include "schermo.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace schermo {

QScreen* di(const QWidget* window) {
    return window->screen() ? window->screen() : QGuiApplication::primaryScreen();
}

void centra(QWidget* window, const QScreen* screen) {
    if (!screen)
        return;
    const QRect area = screen->geometry();
    window->move(area.x() + (area.width() - window->width()) / 2,
                 area.y() + (area.height() - window->height()) / 2);
}

} // namespace schermo
