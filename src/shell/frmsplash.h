#pragma once

#include "platform/forms.h"
#include "platform/tune.h"

class QLabel;

// The start-up and closing screen, with its tune.
class frmSplash : public Form {
    Q_OBJECT
public:
    static constexpr const char* Name = "frmSplash";
    static void registerForm();
    // The closing screen after the exit routine: tune again, the splash shown, its closing line.
    static void schermatachiusura();

    frmSplash();
    void Form_Load() override;
    void Form_Unload() override;

    // A click on the window, a label or the picture: pause the tune and open the composer.
    void mostramenu();
    // A key: close the tune, unload this window and the price list.
    void Form_KeyPress();

    Tune& tune() { return tune_; }
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* lblnome = nullptr;
    QLabel* lblsottotitolo = nullptr;
    QLabel* Image1 = nullptr;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Tune tune_;
};
