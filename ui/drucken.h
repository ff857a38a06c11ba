#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QPagedPaintDevice;

namespace vun::ui {

// Paints the cards onto the device's pages in the grid its page layout allows; with rueckseiten
// each page is followed by the backs of its cards. nachSeite, where given, runs after every page
// so that a window can draw itself meanwhile. False when the device could not be painted on.
bool kartenMalen(QPagedPaintDevice& geraet, const QStringList& karten, bool rueckseiten,
                 const std::function<void()>& nachSeite = {});

} // namespace vun::ui
