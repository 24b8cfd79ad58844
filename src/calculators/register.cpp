#include "register.h"

#include "massa.h"

namespace calculators {

void registerForms() {
    forms::registerForm(QStringLiteral("massa"), [] { return new massa; });
}

} // namespace calculators
