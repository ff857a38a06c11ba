#pragma once

namespace vun {

// The board: nine pairs, each on two cards, laid out in two columns.
inline constexpr int Paarzahl = 9;
inline constexpr int Kartenzahl = 2 * Paarzahl; // cards are numbered 1 to Kartenzahl
inline constexpr int Spalten = 2;
inline constexpr int KartenJeSpalte = Kartenzahl / Spalten;

// Slots of the deal's two working tables, numbered from 0: slot 0 holds the candidate while it
// is compared, slots 1 to Kartenzahl the cards, and two spare slots at the end that nothing reads.
inline constexpr int Tabellenplaetze = 1 + Kartenzahl + 2;

} // namespace vun
