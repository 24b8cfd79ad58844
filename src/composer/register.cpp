#include "register.h"

#include "menu.h"

namespace composer {

void registerForms() {
    forms::registerForm(QStringLiteral("menu"), [] { return new menu; });
}

} // namespace composer
