#include "register.h"

#include "basale.h"
#include "massa.h"
#include "pesi.h"

namespace calculators {

void registerForms() {
    forms::registerForm(QStringLiteral("massa"), [] { return new massa; });
    forms::registerForm(QStringLiteral("basale"), [] { return new basale; });
    forms::registerForm(QStringLiteral("pesi"), [] { return new pesi; });
}

} // namespace calculators
