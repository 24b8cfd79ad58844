#pragma once

#include "shell/finestraprincipale.h"

#include <vector>

namespace foodtable {
// The food-table window and the composition view: one main window each, which differ only in these set-ups.
const std::vector<FinestraPrincipale::Setup>& viste();
} // namespace foodtable
