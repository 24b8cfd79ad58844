#include "register.h"

#include "azona.h"
#include "basale.h"
#include "blocchi.h"
#include "grasso.h"
#include "massa.h"
#include "pesi.h"

namespace calculators {

void registerForms() {
    forms::registerForm(QStringLiteral("massa"), [] { return new massa; });
    forms::registerForm(QStringLiteral("basale"), [] { return new basale; });
    forms::registerForm(QStringLiteral("pesi"), [] { return new pesi; });
    forms::registerForm(QStringLiteral("grasso"), [] { return new grasso; });
    forms::registerForm(QStringLiteral("azona"), [] { return new azona; });
    forms::registerForm(QStringLiteral("blocchi"), [] { return new blocchi; });
}

} // namespace calculators
