#include "reference/register.h"

namespace reference {

void registerTopicForms() {}

} // namespace reference
