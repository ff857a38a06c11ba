#pragma once

#include <QtGlobal>

#include <cstddef>

namespace vun::ui {

// One picture at one size: side x side premultiplied ARGB pixels, row by row, as the machine
// stores them; if `gepackt` is not 0, that many bytes of them packed by qCompress. The table is
// generated from the SVGs of ui/bilder when the program is built, smallest sizes first.
struct Bildpunkte {
    const char* name;
    int seite;
    const unsigned char* daten;
    qsizetype gepackt;
};

extern const Bildpunkte GespeicherteBilder[];
extern const std::size_t GespeicherteBilderAnzahl;

} // namespace vun::ui
