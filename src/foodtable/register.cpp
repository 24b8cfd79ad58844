#include "register.h"

#include "viste.h"

namespace foodtable {

void registerForms() {
    for (const FinestraPrincipale::Setup& setup : viste())
        forms::registerForm(setup.name, [&setup] { return new FinestraPrincipale(setup); });
}

} // namespace foodtable
