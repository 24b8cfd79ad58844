#pragma once

#include <QGroupBox>
#include <QString>
#include <functional>

class QPushButton;

// The topic bar: eighteen buttons that open the reference pages, the current topic painted red.
class BarraArgomenti : public QGroupBox {
    Q_OBJECT
public:
    static constexpr int Count = 18;

    // own: the index painted red (0 for none); reversed: the tab order runs backwards.
    BarraArgomenti(QWidget* parent, int own, bool reversed = false);

    // The window a topic index opens; 1 and every value outside 1 to 18 give "alimentari".
    static QString finestra(int index);
    static QString caption(int index);

    QPushButton* cmd1[Count + 1] = {};

    // Called with the index of the button pressed (the window unloads itself, then opens the topic).
    std::function<void(int)> onClick;

    // Tab walks the window's own controls in the order given, then the topic buttons.
    void ordinetabulazione(const QList<QWidget*>& controlli);

private:
    // The topic buttons in keyboard order: the usual one, or the reverse.
    QList<QWidget*> ordinepulsanti() const;

    bool reversed_;
};

namespace reference {
// Unloads the window, then shows the topic's window: what every topic button does.
void apriargomento(const QString& from, int index);
} // namespace reference
