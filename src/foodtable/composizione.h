#pragma once

#include "shell/finestraprincipale.h"

// The composition view: in this edition, its navigation to the reference pages and the guide.
class composizione : public FinestraPrincipale {
    Q_OBJECT
public:
    composizione();
};
