#pragma once

#include "calculators/frame.h"
#include "glicemicodati.h"

class BarraArgomenti;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QToolButton;
class QScrollBar;

// The glycaemic-index table: 129 foods by ascending index, fifteen rows at a time, and its printout.
class glicemico : public FrameWindow {
    Q_OBJECT
public:
    static constexpr int Righe = glicemicodati::Righe;
    static constexpr int Visibili = 15;

    glicemico();

    void cmd1_Click(int Index);
    void VScroll1_Change();
    void stampa_Click();

    BarraArgomenti* Frame1 = nullptr;
    QGroupBox* Frame3 = nullptr;
    QPlainTextEdit* Text1 = nullptr;
    QScrollBar* VScroll1 = nullptr;
    QToolButton* stampa = nullptr;
    // Index 0 is the header row.
    QLabel* num[Visibili + 1] = {};
    QLabel* ali[Visibili + 1] = {};
    QLabel* ig[Visibili + 1] = {};

    // Element 0 stays empty; rows 1 to 129 as stored.
    QString nomialimenti[Righe + 1];
    qint16 indiciglicemici[Righe + 1] = {};

protected:
    void setup() override;
};
