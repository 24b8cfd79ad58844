#include "pulsantestampa.h"

#include "platform/controls.h"

#include <QIcon>

namespace reference {

QPushButton* pulsantestampa(QWidget* parent, int left, int top, int width, int height) {
    QPushButton* stampa =
        controls::button(parent, QStringLiteral("stampa"), QStringLiteral("&Stampa"), left, top, width,
                         height, QStringLiteral("cliccare per stampare i dati della finestra"));
    // The printer picture comes from the desktop theme when it has one; the caption is enough otherwise.
    stampa->setIcon(QIcon::fromTheme(QStringLiteral("document-print")));
    return stampa;
}

} // namespace reference
