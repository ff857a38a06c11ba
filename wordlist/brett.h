#pragma once

namespace vun {

// The board: nine pairs, each on two cards, laid out in two columns.
inline constexpr int Paarzahl = 9;
inline constexpr int Kartenzahl = 2 * Paarzahl; // cards are numbered 1 to Kartenzahl
inline constexpr int Spalten = 2;
inline constexpr int KartenJeSpalte = Kartenzahl / Spalten;

} // namespace vun
