#pragma once

#include "wordlist/dateilesen.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>
#include <utility>

namespace vun {

// How the game writes a pair: the two halves with blank, equals sign, blank between them.
inline constexpr QStringView Paartrenner(u" = ");

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

// The two halves of a pair line.
std::pair<QString, QString> haelften(QStringView paareintrag);

// The pairs of pair lines as the game deals them: each written with Paartrenner, and the same
// pair written twice (in either order) once, where it first stands.
QStringList paareVereinheitlichen(const QStringList& paarzeilen);

} // namespace vun
