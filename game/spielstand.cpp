#include "game/spielstand.h"

#include <algorithm>

namespace vun {

bool Spielstand::imSpiel(int karte) const {
    return karte < 1 || karte > Restmaske.size() || Restmaske.at(karte - 1);
}

void Spielstand::gefundenMarkieren(int karte) {
    if (karte >= 1 && karte <= Restmaske.size())
        Restmaske[karte - 1] = false;
}

bool Spielstand::alleGefunden() const {
    return std::none_of(Restmaske.begin(), Restmaske.end(), [](bool offen) { return offen; });
}

} // namespace vun
