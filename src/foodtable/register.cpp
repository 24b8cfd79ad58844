#include "register.h"

#include "composizione.h"
#include "tabella.h"

namespace foodtable {

void registerForms() {
    forms::registerForm(QStringLiteral("tabella"), [] { return new tabella; });
    forms::registerForm(QStringLiteral("composizione"), [] { return new composizione; });
}

} // namespace foodtable
