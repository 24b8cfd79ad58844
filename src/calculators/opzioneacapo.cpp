#include "opzioneacapo.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

OpzioneAcapo::OpzioneAcapo(const QString& text, QWidget* parent) : QRadioButton(text, parent) {}

QRect OpzioneAcapo::areaTesto() const {
    QStyleOptionButton option;
    initStyleOption(&option);
    const int indicatore = style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, &option, this);
    const int spazio = style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, &option, this);
    return rect().adjusted(indicatore + spazio, 0, 0, 0);
}

void OpzioneAcapo::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const int lato = style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, &option, this);
    option.rect = QRect(0, (height() - lato) / 2, lato, lato);
    painter.drawPrimitive(QStyle::PE_IndicatorRadioButton, option);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    const QRect testo = areaTesto();
    painter.drawText(testo, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, text());
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = painter.boundingRect(testo, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, text());
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

bool OpzioneAcapo::hitButton(const QPoint& pos) const {
    return rect().contains(pos);
}
