#pragma once

#include "shell/helpbarwindow.h"

class QLabel;
class QPushButton;

// The frame the calculators, the topic pages, `glicemico` and `fabbisogno` stand on: fixed design size kept
// in proportion, the hint label, the help box and the navigation bar.
//
// `barranavigazione`: cmdcomp, cmdtab and cmdmenu here, with the help bar's aiuto, guidainlinea and esco.
class FrameWindow : public HelpBarWindow {
    Q_OBJECT
public:
    enum class Layout { Calculator, Reference, Requirements };

    struct Setup : HelpBarWindow::Setup {
        Layout layout = Layout::Calculator;
        int designWidth = 9480;
        int designHeight = 6135;
    };

    explicit FrameWindow(const Setup& setup);

    void Form_Load() override;

    virtual void cmdmenu_Click();
    virtual void cmdtab_click();
    virtual void cmdcomp_click();

    QPushButton* cmdcomp = nullptr;
    QPushButton* cmdtab = nullptr;
    QPushButton* cmdmenu = nullptr;

protected:
    // Reference pages leave before they open a main window; calculators stay.
    bool unloadsBeforeLeaving() const { return layout_ != Layout::Calculator; }
    void leaveTo(const QString& name);

private:
    Layout layout_;
    int designWidth_;
    int designHeight_;
    QString hint_;
};
