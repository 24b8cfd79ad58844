#pragma once

#include "shell/proportionedform.h"

#include <QStringList>

class QLabel;
class QPushButton;

// The frame every calculator and reference window stands on: fixed design size kept in proportion,
// the hint label, the help box and the navigation bar.
class FrameWindow : public ProportionedForm {
    Q_OBJECT
public:
    enum class Layout { Calculator, Reference, Requirements };
    enum class Tooltips { Cliccare, Clicca };

    struct Setup {
        QString name;
        QString caption;
        Layout layout = Layout::Calculator;
        Tooltips tooltips = Tooltips::Cliccare;
        QString hint;
        QStringList helpLines;
        int designWidth = 9480;
        int designHeight = 6135;
    };

    explicit FrameWindow(const Setup& setup);

    void Form_Load() override;

    virtual void aiuto_Click();
    virtual void guidainlinea_Click();
    virtual void cmdmenu_Click();
    virtual void cmdtab_click();
    virtual void cmdcomp_click();
    virtual void esco_Click();

    // The help lines joined by a lone carriage return, as the help box shows them.
    QString helpText() const;

    QLabel* passo = nullptr;
    QPushButton* aiuto = nullptr;
    QPushButton* guidainlinea = nullptr;
    QPushButton* cmdcomp = nullptr;
    QPushButton* cmdtab = nullptr;
    QPushButton* cmdmenu = nullptr;
    QPushButton* esco = nullptr;

protected:
    // The window's own set-up, run at the end of Form_Load.
    virtual void setup() {}
    // Reference pages leave before they open a main window; calculators stay.
    bool unloadsBeforeLeaving() const { return setup_.layout != Layout::Calculator; }
    void leaveTo(const QString& name);

    Setup setup_;
};
