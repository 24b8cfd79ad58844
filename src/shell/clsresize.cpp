#include "clsresize.h"

#include "platform/controls.h"
#include "schermo.h"

#include <QScreen>

void clsResize::SourceForm(QWidget* form) {
    form_ = form;
    recorded_ = false;
    controls_.clear();
}

void clsResize::ReInitialise() {
    controls_.clear();
    recorded_ = false;
    if (!form_)
        return;
    design_ = form_->size();
    for (QWidget* child : form_->findChildren<QWidget*>())
        if (controls::isMarked(child))
            controls_.push_back({child, QRectF(child->geometry())});
    recorded_ = true;
}

void clsResize::SizeFormToScreen(int percent) {
    if (!form_)
        return;
    if (!recorded_)
        ReInitialise();
    const QScreen* screen = schermo::di(form_);
    if (!screen)
        return;
    form_->resize(screen->geometry().width() * percent / 100, screen->geometry().height() * percent / 100);
    schermo::centra(form_, screen);
    ResizeControls();
}

void clsResize::ResizeControls() {
    if (!form_ || controls_.empty() || form_->isMinimized() || design_.isEmpty())
        return;
    const double rx = form_->width() / design_.width();
    const double ry = form_->height() / design_.height();
    form_->setUpdatesEnabled(false);
    for (const Control& control : controls_) {
        if (!control.widget)
            continue;
        const QRectF r = control.design;
        control.widget->setGeometry(QRectF(r.x() * rx, r.y() * ry, r.width() * rx, r.height() * ry).toRect());
    }
    form_->setUpdatesEnabled(true);
}
