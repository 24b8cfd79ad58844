#pragma once

#include "platform/controls.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStringList>

namespace testsupport {

// The controls of a window, as it stands now, that reach past the inside of the frame or window holding
// them, or whose caption does not fit them: each named with what is wrong.
inline QStringList fuoriposto(QWidget* window) {
    QStringList wrong;
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (!controls::isMarked(control) || !control->isVisibleTo(window))
            continue;
        const QString name = control->objectName();
        QWidget* holder = control->parentWidget();
        const QRect inside = qobject_cast<QGroupBox*>(holder) ? holder->contentsRect() : holder->rect();
        if (!inside.contains(control->geometry()))
            wrong << QStringLiteral("%1 outside %2").arg(name, holder->objectName());

        if (auto* button = qobject_cast<QPushButton*>(control)) {
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = button->text();
            const QRect room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
            const QSize text = button->fontMetrics().size(Qt::TextShowMnemonic, button->text());
            if (text.width() > room.width() || text.height() > room.height())
                wrong << QStringLiteral("%1 caption clipped").arg(name);
        } else if (auto* label = qobject_cast<QLabel*>(control)) {
            const int needed = label->wordWrap() ? label->heightForWidth(label->width())
                                                 : label->sizeHint().height();
            if (needed > label->height() || (!label->wordWrap() && label->sizeHint().width() > label->width()))
                wrong << QStringLiteral("%1 caption clipped").arg(name);
        } else if (auto* frame = qobject_cast<QGroupBox*>(control)) {
            if (frame->fontMetrics().horizontalAdvance(frame->title()) > frame->width())
                wrong << QStringLiteral("%1 caption clipped").arg(name);
        }
    }
    return wrong;
}

} // namespace testsupport
