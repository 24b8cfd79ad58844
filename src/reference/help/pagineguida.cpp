#include "pagineguida.h"

#include "platform/textfiles.h"

QString PaginaGuida::testo() const {
    return textfiles::resource(QStringLiteral(":/reference/guides/%1.txt").arg(QString::fromLatin1(nome)));
}

namespace guida {

const std::array<PaginaGuida, 9>& pagineguida() {
    static const std::array<PaginaGuida, 9> pagine{{
        {"manuale", "MANUALE D'USO RAPIDO", 9480, 3615, 375, 240, 9015, 5280},
        {"guidafunzionamento", "FUNZIONAMENTO DEL PROGRAMMA", 5520, 4095, 255, 120, 5175, 5280},
        {"guidaarchivio", "ARCHIVIO DATI", 5520, 3615, 255, 120, 5175, 5295},
        {"guidastampa", "COME STAMPARE", 5520, 3615, 255, 120, 5175, 5295},
        {"guidamenu", "Finestra MENU", 5520, 3615, 255, 120, 5295, 5295},
        {"guidatabella", "Finestra TABELLA", 5520, 3615, 255, 120, 5175, 5295},
        {"guidacomposizione", "Finestra COMPOSIZIONE", 5520, 3615, 255, 120, 5175, 5295},
        {"guidacalorie", "Calorie necessarie", 5520, 3615, 255, 120, 5175, 5295},
        {"guidaalimenti", " Alimenti", 5520, 3615, 255, 120, 5175, 5295},
    }};
    return pagine;
}

const PaginaGuida* pagina(const QString& nome) {
    for (const PaginaGuida& p : pagineguida())
        if (nome == QLatin1String(p.nome))
            return &p;
    return nullptr;
}

} // namespace guida
