#pragma once

#include "wordlist/karteninhalt.h"

#include <QString>
#include <QStringView>
#include <QtGlobal>

namespace vun {

struct Rgb {
    quint8 rot = 0;
    quint8 gruen = 0;
    quint8 blau = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// One of the 16 classic palette colours, by number 0 to 15.
Rgb QBColor(int nummer);

inline constexpr Rgb Designblau{0, 0, 192};  // the cards before the board is first cleared
inline constexpr Rgb Weiss{255, 255, 255};   // card text in every state
inline constexpr int VerdecktFarbnummer = 1; // palette blue of covered cards after clearing
inline constexpr int GefundenFarbnummer = 3; // palette cyan of found cards

// What a card is in the game, for views that tell it in words rather than colours.
enum class Kartenzustand { Verdeckt, Offen, Gefunden };

// Everything a view needs to draw one card; the view decides none of it. Its face shows inhalt:
// a word as its caption, a picture instead of a caption; nothing while it is covered.
struct Kartenbild {
    Karteninhalt inhalt;
    Rgb hintergrund = Designblau;
    Rgb textfarbe = Weiss;
    bool kursiv = false;
    // In group play, the group (1 to 6) that found the card, for its colour and symbol; else 0.
    int finder = 0;
    friend bool operator==(const Kartenbild&, const Kartenbild&) = default;
};

// How a picture is named in words, for screen readers: the file's name without folder and
// ending, "_" and "-" read as blanks ("bilder/roter_hund.jpg" is "roter hund").
QString bildname(QStringView pfad);

} // namespace vun
