#include "reference/register.h"

namespace reference {

void registerTableForms() {}

} // namespace reference
