#pragma once

#include <QtGlobal>
#include <array>
#include <optional>
#include <span>

// The body-fat window's reference tables: the women's constants, the men's thresholds and fat percentages,
// one set per window instance, and the fixed data the window's loaders copy into them.
class TabelleGrasso {
public:
    // A women's list item with its constant in percentage points.
    struct Voce {
        const char* testo;
        double costante;
    };
    // The filled columns of a row of the men's table.
    struct Tratto {
        int prima;
        int ultima;
    };

    static constexpr int Righe = 57;   // thresholds, rows of the men's table
    static constexpr int Colonne = 37; // items of the men's weight list

    static std::span<const Voce> vociAnche();
    static std::span<const Voce> vociAddome();
    static std::span<const Voce> vociAltezza();
    // Items of the men's weight list, whole kilograms.
    static std::span<const qint16> vociPeso();
    static std::span<const qint16> valoriSoglie();
    static Tratto trattoRiga(int riga);
    // The stored values of column c of the men's table, over its filled rows, top to bottom.
    static std::span<const qint16> valoriColonna(int colonna);

    // Element 0 of every dimension, and every element no loader writes, stays empty.
    std::array<std::optional<double>, 62> costanteanche{};
    std::array<std::optional<double>, 62> costanteaddome{};
    std::array<std::optional<double>, 62> costantealtezza{};
    std::array<std::optional<qint16>, Righe + 1> soglie{};
    std::array<std::array<std::optional<qint16>, Colonne + 1>, Righe + 1> tabellauomini{};
};
