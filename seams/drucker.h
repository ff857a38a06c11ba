#pragma once

#include <QRectF>
#include <QSizeF>
#include <QString>
#include <optional>

class QIODevice;

namespace vun {

struct Kartensatz; // the cards to print (game/druckbogen.h)

// What the teacher chose in the print dialog: the paper and the part of it the printer reaches,
// in millimetres from the paper's top left, whether each page is followed by its backs, and
// whether the cards of a pair list carry the mark of their side.
struct Druckwahl {
    QSizeF papierMm;
    QRectF druckbarMm;
    bool rueckseiten = false;
    bool seitenzeichen = true;
};

// Everything the game needs of paper. The program prints with Qt; tests script it. The printer
// lays the cards out in the grid of game/druckbogen.h, in the order given.
class Drucker {
public:
    virtual ~Drucker() = default;
    // The print dialog for a document of that name; nothing where the teacher cancelled. Where
    // the cards go into a file, it offers `datei`, unless the teacher chose one before.
    virtual std::optional<Druckwahl> druckdialog(const QString& dokumentname,
                                                 const QString& datei) = 0;
    // Prints the cards on the printer chosen in the last dialog, as chosen there; false where
    // that failed.
    virtual bool drucken(const Kartensatz& karten, const Druckwahl& wahl) = 0;
    // Writes the cards as a PDF of A4 pages, fronts only, with the marks of their sides, into
    // the open device, the document named so; false where they could not be painted.
    virtual bool pdfMalen(QIODevice& ziel, const Kartensatz& karten,
                          const QString& dokumentname) = 0;
};

} // namespace vun
