#include "celle.h"

#include "platform/controls.h"

namespace celle {

QLabel* didascalia(QWidget* parent, const QString& name, const QString& caption, int left, int top, int width,
                   Qt::Alignment alignment) {
    QLabel* cella = controls::cell(parent, name, caption, left, top, width, 255);
    cella->setAlignment(alignment);
    controls::setForeColor(cella, controls::Black);
    return cella;
}

QLabel* valore(QWidget* parent, const QString& name, int left, int top, int width) {
    QLabel* cella = controls::cell(parent, name, QString(), left, top, width, 255, controls::Cyan);
    controls::setForeColor(cella, controls::Black);
    return cella;
}

} // namespace celle
