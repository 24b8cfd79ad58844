#pragma once

class QPushButton;
class QWidget;

namespace reference {
// The graphical "&Stampa" button of the reference windows, placed in twips.
QPushButton* pulsantestampa(QWidget* parent, int left, int top, int width, int height);
} // namespace reference
