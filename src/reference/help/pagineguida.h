#pragma once

#include <QString>
#include <array>

// One guide page's stored data: its window name, title, text and the few sizes that differ between pages.
struct PaginaGuida {
    const char* nome;
    const char* titolo;
    int larghezzafinestra; // design width of the client area, twips
    int larghezzatitolo;
    int altezzatitolo;
    int sinistratesto;
    int larghezzatesto;
    int altezzatesto;

    QString titologuida() const { return QString::fromUtf8(titolo); }
    // The page's text, kept among the program's resources.
    QString testo() const;
};

namespace guida {

// The nine guide pages in help-index order, which is also the order of the exported guide.
const std::array<PaginaGuida, 9>& pagineguida();

// The page stored under a window name; nullptr for any other name.
const PaginaGuida* pagina(const QString& nome);

} // namespace guida
