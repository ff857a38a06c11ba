#pragma once

#include <array>

namespace vun {

// The board: pairs, each on two cards. Every start deals nine; a teacher may deal fewer for the
// youngest.
inline constexpr int Paarzahl = 9;              // the pairs of every start, and the most there are
inline constexpr int Kartenzahl = 2 * Paarzahl; // the most cards; cards are numbered 1 to 2 x pairs
inline constexpr std::array<int, 4> Paarzahlen{4, 6, 8, 9}; // the numbers a teacher may choose

constexpr bool paarzahlErlaubt(int paare) {
    for (int p : Paarzahlen)
        if (p == paare)
            return true;
    return false;
}

// The two boards: strips in two columns, which fit words, or a grid of near-square cards, which
// gives pictures room.
enum class Brettform { Streifen, Quadrate };

// Where a card lies, counted from 0 at the top left.
struct Zelle {
    int spalte = 0;
    int zeile = 0;
    friend constexpr bool operator==(Zelle, Zelle) = default;
};

struct Raster {
    int spalten = 2;
    int zeilen = Paarzahl;
};

// Strips: two columns of one row per pair. Squares: 4 x 2, 4 x 3, 4 x 4 and 6 x 3; any other
// number of pairs in four columns, as many rows as it needs.
constexpr Raster raster(Brettform form, int paare) {
    if (form == Brettform::Streifen)
        return {2, paare};
    if (paare == 9)
        return {6, 3};
    return {4, (2 * paare + 3) / 4};
}

// Strips are numbered down the left column, then down the right, as the board always was;
// squares in reading order, row by row.
constexpr Zelle zelle(Brettform form, int paare, int nummer) {
    const Raster r = raster(form, paare);
    if (form == Brettform::Streifen)
        return {(nummer - 1) / r.zeilen, (nummer - 1) % r.zeilen};
    return {(nummer - 1) % r.spalten, (nummer - 1) / r.spalten};
}

// The card in that cell; 0 where the cell holds none.
constexpr int kartennummer(Brettform form, int paare, Zelle z) {
    const Raster r = raster(form, paare);
    if (z.spalte < 0 || z.zeile < 0 || z.spalte >= r.spalten || z.zeile >= r.zeilen)
        return 0;
    const int nummer = form == Brettform::Streifen ? z.spalte * r.zeilen + z.zeile + 1
                                                   : z.zeile * r.spalten + z.spalte + 1;
    return nummer <= 2 * paare ? nummer : 0;
}

enum class Richtung { Hoch, Runter, Links, Rechts };

// The card an arrow leads to from card nummer; nummer itself at the board's edge.
constexpr int nachbar(Brettform form, int paare, int nummer, Richtung richtung) {
    Zelle z = zelle(form, paare, nummer);
    switch (richtung) {
    case Richtung::Hoch:
        --z.zeile;
        break;
    case Richtung::Runter:
        ++z.zeile;
        break;
    case Richtung::Links:
        --z.spalte;
        break;
    case Richtung::Rechts:
        ++z.spalte;
        break;
    }
    const int ziel = kartennummer(form, paare, z);
    return ziel > 0 ? ziel : nummer;
}

} // namespace vun
