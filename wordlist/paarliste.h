#pragma once

#include "wordlist/karteninhalt.h"

#include <QList>
#include <QStringView>
#include <optional>

namespace vun {

// Why a line of a pair list is no pair.
enum class Zeilenfehler {
    KeinGleichheitszeichen,
    MehrereGleichheitszeichen,
    LinksLeer,
    RechtsLeer,
    BeideLeer,
};

// A line read as a pair: exactly one "=" with text on both sides. Blanks and tabs around the
// "=" and at both ends of a half are not part of the half, so "Haus=Häuser" and
// "Haus <tab>= Häuser " are the same pair as "Haus = Häuser". A line without "=" is a pair too
// where it holds exactly one tab (two columns copied from a spreadsheet), or else exactly one
// dash, "-" or "–", with a blank on each side ("Hund - dog"); a dash inside a word
// ("Baden-Württemberg") separates nothing. Its fault is still the missing "=".
struct Paarzeile {
    QStringView links;
    QStringView rechts;
    std::optional<Zeilenfehler> fehler; // set where the line is no pair
    int gleichheitszeichen = 0;
};
Paarzeile paarzeileLesen(QStringView zeile);

// The text without blanks and tabs at either end.
QStringView ohneRand(QStringView text);

// The pairs as the game deals them: the same pair written twice, in either order, once, where
// it first stands.
QList<Kartenpaar> paareVereinheitlichen(QList<Kartenpaar> paare);

} // namespace vun
