#pragma once

#include "frame.h"

class QLineEdit;

// The body-mass index calculator: weight and height in, the index out, while the user types.
class massa : public FrameWindow {
    Q_OBJECT
public:
    massa();

    void peso_Change();
    void altezza_Change();

    QLineEdit* peso = nullptr;
    QLineEdit* altezza = nullptr;
    QLineEdit* indicemassa = nullptr;

protected:
    void setup() override;

private:
    void calcola();
};
