#pragma once

class QDialog;

namespace vun {

// Qt's boxes at the main window's zoom. Their margins, gaps and button pictures are pixels of the
// style: grown with the text by the factor, they keep the box as it looks at 100 %. Called once
// the box has its buttons.
void abstaendeZoomen(QDialog& box, double faktor);

// The box stands centred over the window it belongs to, and stays so as it grows with its
// details; without a window, over the screen. It never reaches past the screen: shown details
// too tall for it give up the height it lacks.
void mittigHalten(QDialog& box);

} // namespace vun
