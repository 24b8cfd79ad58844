#pragma once

class QScreen;
class QWidget;

// Where windows open on the screen.
namespace schermo {

// The screen the window stands on, or the primary one while Qt gives it none; null without any screen.
QScreen* di(const QWidget* window);

// Moves the window, at its current size, to the middle of the screen; without a screen it stays.
void centra(QWidget* window, const QScreen* screen);

// Moves the window to the middle of its own screen.
inline void centra(QWidget* window) {
    centra(window, di(window));
}

} // namespace schermo
