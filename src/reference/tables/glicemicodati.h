#pragma once

// The glycaemic-index table built into its window: 129 foods by ascending index.
namespace glicemicodati {

struct Riga {
    const char* alimento; // UTF-8, blanks kept as stored
    short indice;
};

constexpr int Righe = 129;

// The stored rows, in table order; righe[0] is row 1.
extern const Riga righe[Righe];

} // namespace glicemicodati
