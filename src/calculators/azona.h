#pragma once

#include "frame.h"

class QPlainTextEdit;
class QRadioButton;

// The zone-diet daily requirement: from the lean mass and the activity level to grams, kcal and blocks of
// protein, carbohydrate and fat; the middle link of the zone-diet chain.
class azona : public FrameWindow {
    Q_OBJECT
public:
    azona();

    void lavoro_Click(int Index);
    void ripart_Click();
    void mgras_Click();
    // Switches the composer to the zone scheme before showing it.
    void cmdmenu_Click() override;

    QLabel* pes = nullptr;
    QLabel* magr = nullptr;
    QRadioButton* lavoro[8] = {}; // 1..7
    QLabel* gr = nullptr;
    QLabel* grc = nullptr;
    QLabel* grg = nullptr;
    QLabel* calp = nullptr;
    QLabel* calc = nullptr;
    QLabel* calg = nullptr;
    QLabel* totale = nullptr;
    QLabel* blocp = nullptr;
    QLabel* blocc = nullptr;
    QLabel* blocg = nullptr;
    QPushButton* ripart = nullptr;
    QPushButton* mgras = nullptr;
    QPlainTextEdit* Text1 = nullptr;

    // Grams of protein per kg of lean mass for each activity level; any other index counts as the first.
    static double fattore(int Index);
};
