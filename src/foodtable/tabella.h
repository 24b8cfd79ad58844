#pragma once

#include "shell/finestraprincipale.h"

// The food-table window: in this edition, its navigation to the reference pages and the guide.
class tabella : public FinestraPrincipale {
    Q_OBJECT
public:
    tabella();
};
