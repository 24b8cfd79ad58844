#pragma once

#include "platform/controls.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QStyleOptionButton>

namespace testsupport {

// The inside of a frame's border as the eye sees it: the frame painted alone, without background or the
// controls it holds, and walked in from each edge through the whole thickness of its line. The style's own
// contents rectangle may begin above the line it draws.
inline QRect dentroilbordo(QGroupBox* frame) {
    QImage image(frame->size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    frame->render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    auto drawn = [&image](int x, int y) { return qAlpha(image.pixel(x, y)) > 0; };
    // The caption stands at the top left, so the column is taken near the right edge.
    const int column = image.width() - 6;
    const int row = image.height() / 2;
    int top = 0, bottom = image.height() - 1, left = 0, right = image.width() - 1;
    for (const bool line : {false, true}) {
        while (top < bottom && drawn(column, top) == line)
            ++top;
        while (bottom > top && drawn(column, bottom) == line)
            --bottom;
        while (left < right && drawn(left, row) == line)
            ++left;
        while (right > left && drawn(right, row) == line)
            --right;
    }
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

// The controls of a window, as it stands now, that reach past the inside of the frame or window holding
// them, or whose caption does not fit them: each named with what is wrong.
inline QStringList fuoriposto(QWidget* window) {
    QStringList wrong;
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (!controls::isMarked(control) || !control->isVisibleTo(window))
            continue;
        const QString name = control->objectName();
        QWidget* holder = control->parentWidget();
        auto* frame = qobject_cast<QGroupBox*>(holder);
        // Inside a frame a control keeps a pixel clear of the line, rather than sitting on it.
        const QRect inside = frame ? dentroilbordo(frame).adjusted(1, 1, -1, -1) : holder->rect();
        if (!inside.contains(control->geometry()))
            wrong << QStringLiteral("%1 outside %2").arg(name, holder->objectName());

        if (auto* button = qobject_cast<QPushButton*>(control)) {
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = button->text();
            const QRect room =
                button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
            const QSize text = button->fontMetrics().size(Qt::TextShowMnemonic, button->text());
            if (text.width() > room.width() || text.height() > room.height())
                wrong << QStringLiteral("%1 caption clipped").arg(name);
        } else if (auto* label = qobject_cast<QLabel*>(control)) {
            const int needed =
                label->wordWrap() ? label->heightForWidth(label->width()) : label->sizeHint().height();
            if (needed > label->height() ||
                (!label->wordWrap() && label->sizeHint().width() > label->width()))
                wrong << QStringLiteral("%1 caption clipped").arg(name);
        } else if (auto* frame = qobject_cast<QGroupBox*>(control)) {
            if (frame->fontMetrics().horizontalAdvance(frame->title()) > frame->width())
                wrong << QStringLiteral("%1 caption clipped").arg(name);
        }
    }
    return wrong;
}

} // namespace testsupport
