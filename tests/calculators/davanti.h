#pragma once

#include <QApplication>
#include <QEvent>
#include <QWidget>

// Records the last window brought to the front, which the offscreen platform does not track itself.
class Davanti : public QObject {
public:
    Davanti() { qApp->installEventFilter(this); }
    ~Davanti() override { qApp->removeEventFilter(this); }
    QString ultima;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ZOrderChange && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow())
            ultima = watched->objectName();
        return false;
    }
};
