#include "openers.h"

#include "platform/forms.h"

#include <QDebug>

namespace openers {

void apri(const QString& name) {
    if (!forms::show(name))
        qWarning() << "openers::apri: no window is registered as" << name;
}

} // namespace openers
