#include "proportionedform.h"

#include "platform/twips.h"

void ProportionedForm::sizeToScreen() {
    resize_ = std::make_unique<clsResize>();
    resize_->SourceForm(this);
    resize_->SizeFormToScreen(75);
}

void ProportionedForm::fixSize(int width, int height) {
    resize(twips::px(width), twips::px(height));
    if (resize_)
        resize_->ResizeControls();
}

void ProportionedForm::Form_Unload() {
    resize_.reset();
}

void ProportionedForm::Form_Resize() {
    if (resize_)
        resize_->ResizeControls();
}
