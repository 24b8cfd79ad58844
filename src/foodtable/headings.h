#pragma once

#include "shell/finestraprincipale.h"

#include <vector>

namespace foodtable {
// The column headings of the food-table window, or of the composition view with its minerals and vitamins.
std::vector<FinestraPrincipale::Opener> intestazioni(bool composizione);
} // namespace foodtable
