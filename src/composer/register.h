#pragma once

namespace composer {
// Makes the composer's window known to the forms registry.
void registerForms();
} // namespace composer
