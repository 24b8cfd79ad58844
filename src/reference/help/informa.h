#pragma once

#include "platform/forms.h"

class QLabel;
class QPushButton;

// The about box: the program's name, subtitle, edition and version line, and the maker.
class informa : public Form {
    Q_OBJECT
public:
    informa();

    void Form_Load() override;
    void cmdOK_Click();

    // The version line built from the shell's version, version date and date code.
    static QString rigaversione();

    QLabel* Label3 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* label7 = nullptr;
    QLabel* Label4 = nullptr;
    QPushButton* cmdOK = nullptr;
};
