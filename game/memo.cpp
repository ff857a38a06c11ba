#include "game/memo.h"

#include "wordlist/wortdatei.h"

namespace vun {

// The folder is not listed here: the file list is listed afresh whenever it is shown, and
// start-up does not need it.
Memo::Memo(Dialoge& dialoge, Zufallsquelle& zufall, QDir arbeitsordner, QString startdatei)
    : dialoge_(dialoge), zufall_(zufall), arbeitsordner_(std::move(arbeitsordner)),
      startdatei_(std::move(startdatei)) {
}

void Memo::meldeKarte(int karte) {
    if (beobachter_)
        beobachter_->karteGeaendert(karte);
}

// The setters tell the view only about real changes, so a view repaints no more than changed.
void Memo::setzeBeschriftung(int karte, const QString& text) {
    Kartenbild& bild = karten_.at(karte - 1);
    if (bild.beschriftung != text) {
        bild.beschriftung = text;
        meldeKarte(karte);
    }
}

void Memo::setzeHintergrund(int karte, Rgb farbe) {
    Kartenbild& bild = karten_.at(karte - 1);
    if (bild.hintergrund != farbe) {
        bild.hintergrund = farbe;
        meldeKarte(karte);
    }
}

void Memo::setzeKursiv(int karte, bool kursiv) {
    Kartenbild& bild = karten_.at(karte - 1);
    if (bild.kursiv != kursiv) {
        bild.kursiv = kursiv;
        meldeKarte(karte);
    }
}

Kartenzustand Memo::zustand(int nummer) const {
    if (karte(nummer).beschriftung.isEmpty())
        return Kartenzustand::Verdeckt;
    // A cleared board keeps the old mask; only a running round gives it meaning.
    const bool rundeLaeuft = spielstand_.Gestartet != QLatin1String("0");
    return rundeLaeuft && !spielstand_.imSpiel(nummer) ? Kartenzustand::Gefunden
                                                       : Kartenzustand::Offen;
}

void Memo::KartenMischen() {
    vun::KartenMischen(liste2_, liste1_, paarkennungen_, modul1_, zufall_);
}

} // namespace vun
