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

void Memo::setzeFinder(int karte, int gruppe) {
    Kartenbild& bild = karten_.at(karte - 1);
    if (bild.finder != gruppe) {
        bild.finder = gruppe;
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
    if (!vun::KartenMischen(liste2_, liste1_, modul1_, zufall_, paarzahl_)) {
        // The built-in words lie dealt already; the list goes as a faulty file does.
        listeVerwerfen(gespielteDatei_, liste2_, dialoge_, paarzahl_);
        gespielteDatei_.clear();
    }
    if (gruppenspiel_.aktiv()) {
        gruppenspiel_.neuesSpiel();
        emit gruppenGeaendert();
    }
    emit gemischt();
}

void Memo::gruppenspielStarten(const QStringList& namen, bool nachJedemZug) {
    gruppenspiel_ = Gruppenspiel(namen, nachJedemZug);
    neuBeginnen();
}

void Memo::alleinSpielen() {
    if (!gruppenspiel_.aktiv())
        return;
    gruppenspiel_ = {};
    neuBeginnen();
}

// Before the first deal (from the command line) the first deal follows anyway.
void Memo::neuBeginnen() {
    emit gruppenGeaendert();
    if (liste1_.isEmpty())
        return;
    FelderLeeren();
    KartenMischen();
}

void Memo::paarzahlWaehlen(int paare) {
    if (!paarzahlErlaubt(paare) || paare == paarzahl_)
        return;
    // Before the first deal (from the command line) the number is all there is to set.
    if (liste1_.isEmpty()) {
        paarzahl_ = paare;
        spielstand_.RundeStarten(kartenzahl());
        emit brettGeaendert();
        return;
    }
    FelderLeeren();
    paarzahl_ = paare;
    spielstand_.RundeStarten(kartenzahl());
    emit brettGeaendert();
    // A list read for fewer pairs may be too short for more.
    if (!liste2_.hatVerschiedene(paarzahl_)) {
        listeZuKurz(gespielteDatei_, liste2_, paarzahl_, dialoge_);
        gespielteDatei_.clear();
    }
    KartenMischen();
}

void Memo::brettformWaehlen(Brettform form) {
    if (form == brettform_)
        return;
    brettform_ = form;
    emit brettGeaendert();
}

void Memo::brettformNachListe() {
    brettformWaehlen(liste2_.hatBilder() ? Brettform::Quadrate : Brettform::Streifen);
}

} // namespace vun
