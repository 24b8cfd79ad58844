#include "reference/register.h"

#include "paginaargomento.h"

namespace reference {

void registerTopicForms() {
    for (const Pagina& p : pagine())
        forms::registerForm(p.name(), [&p] { return new PaginaArgomento(p); });
}

} // namespace reference
