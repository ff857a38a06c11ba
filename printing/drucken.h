#pragma once

#include "game/druckbogen.h"

#include <functional>

class QPagedPaintDevice;

namespace vun {

// Paints the cards onto the device's pages in the grid its page layout allows, the title above
// the grid of every front page; with rueckseiten each page is followed by the backs of its cards,
// with seitenzeichen each card of a pair carries the mark of its side in a corner: a small disc
// at the top left for a left half, a small triangle at the top right for a right half.
// nachSeite, where given, runs after every page so that a window can draw itself meanwhile.
// False when the device could not be painted on.
bool kartenMalen(QPagedPaintDevice& geraet, const Kartensatz& karten, bool rueckseiten,
                 bool seitenzeichen = true, const std::function<void()>& nachSeite = {});

} // namespace vun
