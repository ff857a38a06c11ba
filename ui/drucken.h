#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QPagedPaintDevice;
class QTextStream;

namespace vun::ui {

// Paints the cards onto the device's pages in the grid its page layout allows; with rueckseiten
// each page is followed by the backs of its cards. nachSeite, where given, runs after every page
// so that a window can draw itself meanwhile. False when the device could not be painted on.
bool kartenMalen(QPagedPaintDevice& geraet, const QStringList& karten, bool rueckseiten,
                 const std::function<void()>& nachSeite = {});

// The command line "vun-memory --drucken LISTE.TXT AUSGABE.pdf": true when the arguments are one.
bool istDruckbefehl(int argc, char** argv);
// Writes the cards of the list to the PDF file; nothing is written where the list is faulty or
// the file cannot be written, and why is told in German on fehler. Returns the exit code.
int druckbefehl(const QString& liste, const QString& ausgabe, QTextStream& fehler);
// The whole command, as main() runs it instead of the window: it needs no display.
int druckbefehlAusfuehren(int argc, char** argv);

} // namespace vun::ui
