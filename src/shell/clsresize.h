#pragma once

#include <QPointer>
#include <QRectF>
#include <QSizeF>
#include <QWidget>
#include <vector>

// Keeps a window's controls in proportion to the window: records the design layout once and
// rescales every control's position and size whenever the window changes size.
class clsResize {
public:
    // Binds the object to the window it manages.
    void SourceForm(QWidget* form);
    // Sizes the window to percent of the screen, centred, recording the layout first if needed.
    void SizeFormToScreen(int percent);
    // Rescales every recorded control to the window's current inner size.
    void ResizeControls();
    // Records the current layout again as the design layout.
    void ReInitialise();

private:
    struct Control {
        QPointer<QWidget> widget;
        QRectF design;
    };
    QPointer<QWidget> form_;
    QSizeF design_;
    std::vector<Control> controls_;
    bool recorded_ = false;
};
