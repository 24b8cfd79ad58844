#pragma once

#include "proportionedform.h"

#include <QStringList>
#include <utility>
#include <vector>

class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;
class QToolBar;
class QWidget;

// The shape the three main windows share: menu bar and toolbar, the column headings that open the
// reference pages, the help and exit buttons and the hint label.
class FinestraPrincipale : public ProportionedForm {
    Q_OBJECT
public:
    struct Opener {
        QString caption;
        QString target;
        QString tooltip;
    };
    struct Setup {
        QString name;
        QString caption;
        QString hint;
        QString hintTooltip;
        QStringList helpLines;
        QStringList views;             // the other main windows, for "Visualizza"
        std::vector<Opener> headings;  // column headings
        QString guide;                 // the window's own guide page
        bool aboutItem = false;
    };

    explicit FinestraPrincipale(const Setup& setup);

    void Form_Load() override;

    void aiuto_Click();
    void guidainlinea_Click();
    void esco_Click();

    QLabel* passo = nullptr;
    QPushButton* aiuto = nullptr;
    QPushButton* guidainlinea = nullptr;
    QPushButton* esco = nullptr;
    QMenuBar* barramenu = nullptr;
    QToolBar* Toolbar1 = nullptr;

    // Where the window's own content starts, below the menu bar and toolbar.
    static constexpr int Top = 780;

protected:
    // A button that opens another window by its name.
    QPushButton* apertura(QWidget* parent, const QString& name, const Opener& opener, int left, int top, int width,
                          int height);
    virtual void setup() {}

    Setup setup_;
};
