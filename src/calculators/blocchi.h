#pragma once

#include "frame.h"

class QPlainTextEdit;

// The zone-diet blocks per meal: the day's protein blocks spread over six meals and turned into grams,
// with meals that can be deleted and their blocks shared among the rest.
class blocchi : public FrameWindow {
    Q_OBJECT
public:
    blocchi();

    // Fills the plan from the requirement shown in the zone-diet window.
    void calcolo();
    void delriga_Click(int Index);
    void calor_Click();

    int numeropasti() const { return numpasti; }

    QLabel* totale = nullptr;
    QLabel* b1 = nullptr;
    QLabel* b2 = nullptr;
    QLabel* b3 = nullptr;
    QLabel* bb[7] = {};  // 1..6
    QLabel* gr1[7] = {}; // 1..6
    QLabel* gr2[7] = {};
    QLabel* gr3[7] = {};
    QLabel* bbt = nullptr;
    QLabel* gr1t = nullptr;
    QLabel* gr2t = nullptr;
    QLabel* gr3t = nullptr;
    QPushButton* delriga[7] = {}; // 1..6
    QPushButton* calor = nullptr;
    QPlainTextEdit* Text1 = nullptr;

private:
    void aggiornagrammi();
    QList<QLabel*> valori() const;

    int numpasti = 0;
};
