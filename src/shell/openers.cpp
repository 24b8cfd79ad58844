#include "openers.h"

#include "modzelvo.h"
#include "platform/forms.h"
#include "platform/msgbox.h"

namespace openers {

void apri(const QString& name) {
    if (forms::show(name))
        return;
    msgbox::show(QStringLiteral("La finestra \"%1\" non è disponibile in questa edizione del programma.").arg(name),
                 msgbox::Information, ModZelvo::titoloaiuto);
}

} // namespace openers
