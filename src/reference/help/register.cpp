#include "reference/register.h"

namespace reference {

void registerHelpForms() {}

} // namespace reference
