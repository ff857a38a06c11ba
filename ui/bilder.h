#pragma once

#include <QIcon>
#include <QImage>
#include <QStringView>

namespace vun::ui {

// The pictures of ui/bilder, drawn at fixed sizes when the program is built. The sizes of 100 %
// share the program's own memory; the larger ones are unpacked on each call.

// The picture of that name whose side is the smallest at least `seite` pixels, else its largest;
// a null image for a name there is no picture of.
QImage gespeichertesBild(QStringView name, int seite);

// All sizes of the picture, for a window icon.
QIcon bildSymbol(QStringView name);

} // namespace vun::ui
