#pragma once

// libfaad2, the AAC decoder, loaded the first time a deal holds an .m4a: a packager may leave it
// out (the package only recommends it), and the other six formats play without it. Where it is
// missing, the player is told which package brings it.
#include <neaacdec.h>

namespace vun::ton {

struct Faad {
    decltype(&NeAACDecOpen) oeffnen;
    decltype(&NeAACDecGetCurrentConfiguration) konfiguration;
    decltype(&NeAACDecSetConfiguration) konfigurieren;
    decltype(&NeAACDecInit2) anfangen;
    decltype(&NeAACDecDecode) dekodieren;
    decltype(&NeAACDecClose) schliessen;
};

// The library's functions; null where it is not installed. Loaded once, from any thread, and
// kept to the program's end.
const Faad* faad();

} // namespace vun::ton
