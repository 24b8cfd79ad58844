#pragma once

#include <QRadioButton>

// An option button whose caption wraps onto as many lines as its height allows, as the classic ones do.
class OpzioneAcapo : public QRadioButton {
    Q_OBJECT
public:
    OpzioneAcapo(const QString& text, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;

private:
    QRect areaTesto() const;
};
