#pragma once

namespace calculators {
// Makes the calculator windows known to the forms registry.
void registerForms();
} // namespace calculators
