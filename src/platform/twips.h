#pragma once

#include <QRect>
#include <QString>
#include <QWidget>

// Geometry is written in twips, as the windows were designed; 15 twips make a pixel at 96 dpi.
namespace twips {

constexpr int perPixel = 15;

constexpr int px(int twips) {
    return (twips + perPixel / 2) / perPixel;
}
constexpr int fromPx(int pixels) {
    return pixels * perPixel;
}

inline QRect rect(int left, int top, int width, int height) {
    return QRect(px(left), px(top), px(width), px(height));
}

inline void place(QWidget* widget, int left, int top, int width, int height) {
    widget->setGeometry(rect(left, top, width, height));
}

} // namespace twips
