#pragma once

#include <algorithm>
#include <array>
#include <cstddef>

// The zoom steps and the sizes the buttons' pictures are stored at, from one list: every step
// finds its picture drawn for it, on a screen of normal and of double density. The picture tool
// reads this header when the program is built, so it holds nothing but numbers.
namespace vun::ui {

// The zoom steps of a window in per cent; 100 is the design size.
inline constexpr std::array<int, 6> Zoomstufen{100, 125, 150, 200, 250, 300};

// The side of a button's picture at the design size, in pixels.
inline constexpr int Knopfbildseite = 32;

// Screens at 100 % and at 200 % (Qt's high-density scaling); other densities and full screen take
// the next larger picture, scaled down.
inline constexpr std::array<int, 2> Bilddichten{1, 2};

// Every side a button's picture is stored at, ascending and each once: the first `anzahl`.
struct Bildseiten {
    std::array<int, Zoomstufen.size() * Bilddichten.size()> seiten{};
    std::size_t anzahl = 0;
};

constexpr Bildseiten knopfbildseiten() {
    Bildseiten liste;
    for (int dichte : Bilddichten)
        for (int stufe : Zoomstufen)
            liste.seiten[liste.anzahl++] = Knopfbildseite * stufe * dichte / 100;
    std::sort(liste.seiten.begin(), liste.seiten.end());
    liste.anzahl =
        std::size_t(std::unique(liste.seiten.begin(), liste.seiten.end()) - liste.seiten.begin());
    return liste;
}

} // namespace vun::ui
