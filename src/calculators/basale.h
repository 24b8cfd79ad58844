#pragma once

#include "frame.h"

#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The basal-metabolism calculator: sex, age and weight in; the basal rate and the daily expenditure for
// three activity levels out, while the user types.
class basale : public FrameWindow {
    Q_OBJECT
public:
    basale();

    void sesso_Change();
    void sesso_Click();
    void età_Change();
    void peso_Change();
    void laf_Click(int Index);

    QComboBox* sesso = nullptr;
    QLineEdit* età = nullptr;
    QLineEdit* peso = nullptr;
    QLabel* metabolismo = nullptr;
    // Indexed from 1, as the activity levels are counted; element 0 stays empty.
    std::array<QPushButton*, 4> laf{};
    std::array<QLabel*, 4> indlaf{};
    std::array<QLabel*, 4> dispend{};
    QLabel* dispendio = nullptr;

protected:
    void setup() override;

private:
    bool datiCompleti() const;
    void calcolametabolismo();
};
