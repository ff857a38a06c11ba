#include "game/memo.h"

#include "game/listeladen.h"

namespace vun {

// The folder is not listed here: the file list is listed afresh whenever it is shown, and
// start-up does not need it.
Memo::Memo(Dialoge& dialoge, Zufallsquelle& zufall, const Bildleser& bildleser, QDir ordner,
           QString startdatei)
    : dialoge_(dialoge), zufall_(zufall), bildleser_(bildleser), arbeitsordner_(std::move(ordner)),
      startdatei_(std::move(startdatei)) {
}

void Memo::setzeBeschriftung(int karte, const Karteninhalt& inhalt) {
    Kartenbild& bild = karten_.at(karte - 1);
    if (bild.inhalt != inhalt) {
        bild.inhalt = inhalt;
        emit karteGeaendert(karte);
    }
}

void Memo::setzeHintergrund(int karte, Rgb farbe) {
    Kartenbild& bild = karten_.at(karte - 1);
    if (bild.hintergrund != farbe) {
        bild.hintergrund = farbe;
        emit karteGeaendert(karte);
    }
}

void Memo::setzeKursiv(int karte, bool kursiv) {
    Kartenbild& bild = karten_.at(karte - 1);
    if (bild.kursiv != kursiv) {
        bild.kursiv = kursiv;
        emit karteGeaendert(karte);
    }
}

Kartenzustand Memo::zustand(int nummer) const {
    if (karte(nummer).inhalt.leer())
        return Kartenzustand::Verdeckt;
    // A cleared board keeps the old mask; only a running round gives it meaning.
    return spielstand_.Gestartet && !spielstand_.imSpiel(nummer) ? Kartenzustand::Gefunden
                                                                 : Kartenzustand::Offen;
}

void Memo::KartenMischen() {
    if (!vun::KartenMischen(liste2_, liste1_, modul1_, zufall_)) {
        // The built-in words lie dealt already; the list goes as a faulty file does.
        listeVerwerfen(gespielteDatei_, liste2_, dialoge_);
        gespielteDatei_.clear();
    }
    emit gemischt();
}

} // namespace vun
