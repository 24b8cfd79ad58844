#pragma once

#include "platform/forms.h"
#include "shell/clsresize.h"

#include <memory>

// A window whose controls keep their proportions: it owns a clsResize from its load to its unload and
// rescales its controls on every resize.
class ProportionedForm : public Form {
    Q_OBJECT
public:
    using Form::Form;

    void Form_Unload() override;
    void Form_Resize() override;

protected:
    // The first step of the window's load: a new clsResize bound to it sizes it to 75 % of the screen,
    // centred.
    void sizeToScreen();
    // The window's own inner size, in twips, in place of the 75 % one; the centred corner stays.
    void fixSize(int width, int height);

private:
    std::unique_ptr<clsResize> resize_;
};
