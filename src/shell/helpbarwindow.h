#pragma once

#include "proportionedform.h"

#include <QStringList>

class QLabel;
class QPushButton;

// A proportioned window with the help bar at its foot, as the main windows and the calculator frames have it:
// the help button with the window's help lines, the guide button to the help index, the exit button and the
// yellow hint label.
class HelpBarWindow : public ProportionedForm {
    Q_OBJECT
public:
    // The two wordings of the bar's tooltips: "cliccare per ..." or "clicca per ...".
    enum class Tooltips { Cliccare, Clicca };

    // What every window with the bar is made from; each kind of window adds its own fields.
    struct Setup {
        QString name;
        QString caption;
        Tooltips tooltips = Tooltips::Cliccare;
        QString hint;
        QStringList helpLines;
    };

    explicit HelpBarWindow(const Setup& setup);

    virtual void aiuto_Click();
    virtual void guidainlinea_Click();
    virtual void esco_Click();

    // The help lines joined by a lone carriage return, as the help box shows them.
    QString helpText() const;

    QLabel* passo = nullptr;
    QPushButton* aiuto = nullptr;
    QPushButton* guidainlinea = nullptr;
    QPushButton* esco = nullptr;

protected:
    // A place on the bar, in twips; every button is 375 high.
    struct Place {
        int left;
        int top;
        int width = 1095;
    };

    // The window's own set-up, run at the end of its Form_Load.
    virtual void setup() {}

    // The tooltip "cliccare per ..." or "clicca per ..." for what a button does.
    QString tooltip(const QString& what) const;
    // The help and the guide buttons; a window's navigation buttons follow them in the tab order.
    void addHelpButtons(Place help, const QString& guideName, Place guide);
    // The exit button and then the hint label, after the window's navigation buttons.
    void addExitAndHint(const QString& exitName, const QString& exitCaption, Place exit, int hintTop,
                        const QString& hint, const QString& hintTooltip);

private:
    Tooltips tooltips_;
    QStringList helpLines_;
};
