#include "barraargomenti.h"

#include "platform/controls.h"
#include "platform/forms.h"
#include "platform/twips.h"
#include "shell/openers.h"

#include <QPushButton>

namespace {
struct Topic {
    const char* caption;
    int left, top, width, height;
    const char* window;
};

constexpr Topic topics[BarraArgomenti::Count + 1] = {
    {"", 0, 0, 0, 0, "alimentari"},
    {"alimenti", 120, 120, 1455, 255, "alimentari"},
    {"protidi", 1560, 120, 615, 735, "appprotidi"},
    {"lipidi", 2160, 120, 615, 735, "applipidi"},
    {"glucidi", 2760, 120, 615, 735, "appglucidi"},
    {"kcal", 3360, 120, 615, 495, "fabbisogno"},
    {"calcio", 3960, 120, 615, 495, "appcalcio"},
    {"fosforo", 4560, 120, 615, 495, "appfosforo"},
    {"ferro", 5160, 120, 615, 495, "appferro"},
    {"vit.A", 5760, 120, 615, 735, "appvitA"},
    {"vit.B1", 6360, 120, 615, 735, "appvitB1"},
    {"vit.B2", 6960, 120, 615, 735, "appvitB2"},
    {"vit.PP", 7560, 120, 615, 735, "appvitPP"},
    {"vit.C", 8160, 120, 615, 735, "appvitC"},
    {"colest.", 8760, 120, 615, 735, "appcolesterolo"},
    {"cottura", 120, 360, 1455, 255, "cottura"},
    {"indice glicemico", 120, 600, 1455, 255, "glicemico"},
    {"altri sali minerali", 3960, 600, 1815, 255, "appfosforo"},
    {"alcool", 3360, 600, 615, 255, "appalcol"},
};

// A graphical button shows its back colour flat across the face; only the raised edge, sunk while pressed,
// says it is a button. The widget style alone would shade the face and so change the colour.
void pulsantegrafico(QPushButton* button, quint32 bgr) {
    controls::setBackColor(button, bgr);
    button->setStyleSheet(
        QStringLiteral(
            "QPushButton { background-color: %1; border-style: solid; border-width: 1px 2px 2px 1px;"
            " border-color: #ffffff #404040 #404040 #ffffff; }"
            "QPushButton:focus { outline: 1px dotted #000000; }"
            "QPushButton:pressed { border-width: 2px 1px 1px 2px;"
            " border-color: #404040 #ffffff #ffffff #404040; }")
            .arg(controls::bgr(bgr).name()));
}

// The usual keyboard order over the topic buttons.
constexpr int usualOrder[BarraArgomenti::Count] = {1, 15, 16, 2, 3,  4,  5,  6,  7,
                                                   8, 18, 17, 9, 10, 11, 12, 13, 14};
} // namespace

BarraArgomenti::BarraArgomenti(QWidget* parent, int own, bool reversed)
    : QGroupBox(parent), reversed_(reversed) {
    setObjectName(QStringLiteral("Frame1"));
    twips::place(this, 0, 0, 9495, 975);
    controls::mark(this);
    for (int i = 1; i <= Count; ++i) {
        const Topic& t = topics[i];
        cmd1[i] = controls::button(this, QStringLiteral("cmd1(%1)").arg(i), QString::fromLatin1(t.caption),
                                   t.left, t.top, t.width, t.height);
        pulsantegrafico(cmd1[i], i == own ? controls::Red : controls::Grey);
        connect(cmd1[i], &QPushButton::clicked, this, [this, i] {
            if (onClick)
                onClick(i);
        });
    }
    ordinetabulazione({});
}

QString BarraArgomenti::finestra(int index) {
    if (index < 1 || index > Count)
        index = 1;
    return QString::fromLatin1(topics[index].window);
}

QString BarraArgomenti::caption(int index) {
    if (index < 1 || index > Count)
        return QString();
    return QString::fromLatin1(topics[index].caption);
}

QList<QWidget*> BarraArgomenti::ordinepulsanti() const {
    QList<QWidget*> order;
    for (int index : usualOrder)
        order << cmd1[index];
    if (reversed_)
        std::reverse(order.begin(), order.end());
    return order;
}

void BarraArgomenti::ordinetabulazione(const QList<QWidget*>& controlli) {
    const QList<QWidget*> chain = controlli + ordinepulsanti();
    for (qsizetype k = 1; k < chain.size(); ++k)
        QWidget::setTabOrder(chain[k - 1], chain[k]);
}

namespace reference {

void apriargomento(const QString& from, int index) {
    forms::unload(from);
    openers::apri(BarraArgomenti::finestra(index));
}

} // namespace reference
