#include "reference/register.h"

#include "fabbisogno.h"
#include "glicemico.h"

namespace reference {

void registerTableForms() {
    forms::registerForm(QStringLiteral("fabbisogno"), [] { return new fabbisogno; });
    forms::registerForm(QStringLiteral("glicemico"), [] { return new glicemico; });
}

} // namespace reference
