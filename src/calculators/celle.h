#pragma once

#include <QString>
#include <Qt>

class QGroupBox;
class QLabel;
class QWidget;

// The frames of the calculators, their captions bold and dark blue, and the cells of the zone-diet windows:
// yellow captions and cyan values, 255 twips high, black text.
namespace celle {

QGroupBox* riquadro(QWidget* parent, const QString& name, const QString& caption, int left, int top,
                    int width, int height);

QLabel* didascalia(QWidget* parent, const QString& name, const QString& caption, int left, int top, int width,
                   Qt::Alignment alignment = Qt::AlignCenter, const QString& tip = QString());
QLabel* valore(QWidget* parent, const QString& name, int left, int top, int width);

// Row captions end with a blank and stand against their values.
constexpr Qt::Alignment Destra = Qt::AlignRight | Qt::AlignVCenter;

} // namespace celle
