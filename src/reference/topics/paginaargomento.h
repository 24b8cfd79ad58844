#pragma once

#include "calculators/frame.h"
#include "pagina.h"

class BarraArgomenti;
class QGroupBox;
class QPlainTextEdit;
class QToolButton;

// The window every topic page is: the topic bar, the locked page text in its frame, the print button.
class PaginaArgomento : public FrameWindow {
    Q_OBJECT
public:
    explicit PaginaArgomento(const Pagina& pagina);

    void cmd1_Click(int Index);
    void stampa_Click();

    BarraArgomenti* barraargomenti = nullptr;
    QGroupBox* Frame3 = nullptr;
    QPlainTextEdit* Text1 = nullptr;
    QToolButton* stampa = nullptr;
};
