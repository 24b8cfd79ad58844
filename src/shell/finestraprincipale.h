#pragma once

#include "helpbarwindow.h"

#include <vector>

class QMenuBar;
class QPushButton;
class QToolBar;
class QWidget;

// The shape the three main windows share: menu bar and toolbar, the column headings that open the
// reference pages, the help and exit buttons, the hint label and the note. The food-table window and the
// composition view are this class alone, fed by their set-ups; the composer adds its own content.
class FinestraPrincipale : public HelpBarWindow {
    Q_OBJECT
public:
    struct Opener {
        QString caption;
        QString target;
        QString tooltip;
    };
    struct Setup : HelpBarWindow::Setup {
        QString hintTooltip;
        std::vector<Opener> headings; // column headings
        QString guide;                // the window's own guide page
        int guideWidth = 1095;        // of the "Guida in linea" button
        QString note;                 // of a window with no content of its own, below the column headings
    };

    explicit FinestraPrincipale(const Setup& setup);

    void Form_Load() override;

    QMenuBar* barramenu = nullptr;
    QToolBar* Toolbar1 = nullptr;

    // Where the window's own content starts, below the menu bar and toolbar.
    static constexpr int Top = 780;

protected:
    // A button that opens another window by its name.
    QPushButton* apertura(QWidget* parent, const QString& name, const Opener& opener, int left, int top,
                          int width, int height);
    // The note on what the window does in this edition, below its content.
    void nota(const QString& text, int top);
};
