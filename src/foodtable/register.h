#pragma once

namespace foodtable {
// Makes the food-table window and the composition view known to the forms registry.
void registerForms();
} // namespace foodtable
