#pragma once

#include "calculators/frame.h"

class BarraArgomenti;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

// The daily-requirements page: fixed reference tables on energy and protein needs, the allowance box,
// the way to four body calculators and a printout of the tables.
class fabbisogno : public FrameWindow {
    Q_OBJECT
public:
    fabbisogno();

    void cmd1_Click(int Index);
    void RDA_Click();
    void BMI_Click();
    void BMR_Click();
    void tabpesi_click();
    void grass_click();
    void stampa_Click();

    // The frame's aiuto, guidainlinea, cmdmenu and esco stand here as aiuto, Command1, indietro and cmdesci.
    BarraArgomenti* Frame1 = nullptr;
    QLabel* label2[10] = {}; // 0, 1, 7, 8 and 9 are used
    QLabel* Label1 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* Label10 = nullptr;
    QLabel* Label11[4] = {};
    QLabel* Label12 = nullptr;
    QLabel* Label13 = nullptr;
    QLabel* Label14 = nullptr;
    QLabel* Label15[65] = {};
    QPlainTextEdit* Text1 = nullptr;
    QPushButton* RDA = nullptr;
    QPushButton* BMI = nullptr;
    QPushButton* BMR = nullptr;
    QPushButton* tabpesi = nullptr;
    QPushButton* grass = nullptr;
    QToolButton* stampa = nullptr;

private:
    void tabellaproteine();
    void tabellaattivita();
    void tabellaeta();
    void ordinetabulazione();
};
