#pragma once

#include "shell/finestraprincipale.h"

class QLabel;
class QPushButton;

// The composer's main window: here the diet scheme, the recommended energy shares and the way to
// every calculator and reference page.
class menu : public FinestraPrincipale {
    Q_OBJECT
public:
    menu();

    // Diet scheme: 1 mediterranea (and any other value), 2 italiana, 3 and 4 a zona.
    void dieta_Click(int& Index);
    int schemadieta() const { return schema_; }

    QPushButton* dieta[5] = {};       // 1..4
    QLabel* consigliato[4] = {};      // 1 glucidi, 2 lipidi, 3 protidi
    QPushButton* calcolatori[5] = {}; // 1 massa, 2 basale, 3 pesi, 4 grasso

protected:
    // At load the composer starts on the Mediterranean scheme.
    void setup() override {
        int index = 1;
        dieta_Click(index);
    }

private:
    int schema_ = 1;
};
