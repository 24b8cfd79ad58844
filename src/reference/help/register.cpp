#include "reference/register.h"

#include "frmtip.h"
#include "informa.h"
#include "paginaguida.h"
#include "pagineguida.h"
#include "platform/forms.h"
#include "prodotti.h"
#include "sommario.h"
#include "supportoclienti.h"

namespace reference {

void registerHelpForms() {
    forms::registerForm(QStringLiteral("sommario"), [] { return new sommario; });
    for (const PaginaGuida& pagina : guida::pagineguida())
        forms::registerForm(QString::fromLatin1(pagina.nome), [&pagina] { return new paginaguida(pagina); });
    forms::registerForm(QStringLiteral("frmTip"), [] { return new frmTip; });
    forms::registerForm(QStringLiteral("informa"), [] { return new informa; });
    forms::registerForm(QStringLiteral("prodotti"), [] { return new prodotti; });
    forms::registerForm(QStringLiteral("supportoclienti"), [] { return new supportoclienti; });
}

} // namespace reference
