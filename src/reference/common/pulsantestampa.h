#pragma once

class QToolButton;
class QWidget;

namespace reference {
// The graphical "&Stampa" button of the reference windows: the printer picture above the caption, in twips.
QToolButton* pulsantestampa(QWidget* parent, int left, int top, int width, int height);
} // namespace reference
