#include "celle.h"

#include "platform/controls.h"

namespace celle {

QGroupBox* riquadro(QWidget* parent, const QString& name, const QString& caption, int left, int top,
                    int width, int height) {
    QGroupBox* box = controls::frame(parent, name, caption, left, top, width, height);
    controls::setFrameCaption(box, controls::DarkBlue, true);
    return box;
}

QLabel* didascalia(QWidget* parent, const QString& name, const QString& caption, int left, int top, int width,
                   Qt::Alignment alignment, const QString& tip) {
    QLabel* cella = controls::captionCell(parent, name, caption, left, top, width, 255, tip, alignment);
    controls::setForeColor(cella, controls::Black);
    return cella;
}

QLabel* valore(QWidget* parent, const QString& name, int left, int top, int width) {
    QLabel* cella = controls::cell(parent, name, QString(), left, top, width, 255, controls::Cyan);
    controls::setForeColor(cella, controls::Black);
    return cella;
}

} // namespace celle
