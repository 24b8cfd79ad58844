#pragma once

#include "platform/twips.h"
#include "shell/schermo.h"

#include <QFrame>
#include <QWidget>

// Small drawing and placing helpers shared by the fixed-size help windows.
namespace guida {

// The small help windows open, at their fixed size, in the middle of the screen.
using schermo::centra;

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
