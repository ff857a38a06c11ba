// Start-up and the commands of the tool column.
#include "game/memo.h"

#include "game/druckbogen.h"
#include "game/listeladen.h"
#include "seams/dialoge.h"
#include "seams/drucker.h"
#include "seams/zufall.h"
#include "wordlist/wortdatei.h"

#include <QFileInfo>

namespace vun {

namespace {
const QString VunMemory = QStringLiteral("VUN-Memory");
}

void Memo::Form_Load() {
    // A chosen file is announced by the player's own act of opening it, so a good one is dealt
    // without the load message; a faulty one is told as any chosen file is.
    gespielteDatei_ =
        startdatei_.isEmpty()
            ? ListeLaden(liste2_, dialoge_, pruefer_, arbeitsordner_, paarzahl_)
            : DateiEinlesen(startdatei_, liste2_, dialoge_, pruefer_, arbeitsordner_, paarzahl_);
    brettformNachListe();
    zufall_.Randomize();
    KartenMischen();
}

bool Memo::Bild1_Click() {
    const QString prompt = QStringLiteral("  Dieses Programm jetzt beenden?") + CR;
    return dialoge_.MsgBox(prompt, JaNeinFrage, QStringLiteral("VUN-Memospiel")) == AntwortJa;
}

void Memo::Bild2_Click() {
    const QString name = dialoge_.InputBox(QStringLiteral("Neuer Benutzer:"), VunMemory,
                                           QStringLiteral("Freund und Gast"));
    if (name.isEmpty())
        return;
    fenstertitel_ = QStringLiteral("VUN-Memospiel: ") + name;
    emit titelGeaendert(fenstertitel_);
}

void Memo::Bild3_Click() {
    QString hilfe = QStringLiteral("Immer zwei Felder haben das gleiche Wort, klicke") + CR +
                    QStringLiteral("jedes Einzelfeld an und suche so alle Wortpaare!");
    // A pair list's two cards differ, so the help says what belongs together now.
    if (liste2_.art() == Listenart::Paare)
        hilfe += QString(CR) + CR +
                 QStringLiteral("In dieser Liste gehören zwei verschiedene Texte zusammen, zum") +
                 CR + QStringLiteral("Beispiel Einzahl und Mehrzahl oder Aufgabe und Ergebnis.");
    hilfe += QString(CR) + CR + QStringLiteral("Strg+L liest die Karten vor (noch einmal: aus).");
    dialoge_.MsgBox(hilfe, NurOk, VunMemory);
}

void Memo::Bild4_Click() {
    const QString prompt = QStringLiteral("Mit einem neuen Spiel beginnen?") + CR;
    if (dialoge_.MsgBox(prompt, JaNeinFrage, VunMemory) == AntwortNein)
        return;
    FelderLeeren();
    KartenMischen();
}

void Memo::Bild5_Click() {
    dateilisteSichtbar_ = !dateilisteSichtbar_;
    // Listed afresh on every show, so a list copied in during play can be chosen.
    if (dateilisteSichtbar_)
        dateiliste_ = wortlistenDateien(arbeitsordner_);
    emit dateilisteGeaendert();
}

void Memo::Datei1_Click(const QString& name) {
    DateiLaden(name);
}

void Memo::DateiLaden(const QString& name) {
    gespielteDatei_ = DateiEinlesen(name, liste2_, dialoge_, pruefer_, arbeitsordner_, paarzahl_);
    brettformNachListe();
    dateilisteSichtbar_ = false;
    emit dateilisteGeaendert();
    KartenMischen();
    FelderLeeren();
    // After a failure the box has said that the built-in words are played: no word of loading.
    if (!gespielteDatei_.isEmpty())
        dialoge_.MsgBox(name.toUpper() + QStringLiteral(" wurde geladen!") + CR, NurOk, VunMemory);
}

QString Memo::listentitel(const QString& name) const {
    if (!gespielteDatei_.isEmpty() && name == gespielteDatei_)
        return liste2_.titel();
    return wortdateiTitel(arbeitsordner_.filePath(name));
}

void Memo::kartenDrucken(Drucker& drucker) {
    const Kartensatz karten = druckkarten(liste2_);
    if (karten.inhalte.isEmpty()) // before the first deal there is nothing to cut out
        return;
    const QString name =
        gespielteDatei_.isEmpty() ? VunMemory : QFileInfo(gespielteDatei_).completeBaseName();
    // A file of the cards lies beside their list, named after it.
    const std::optional<Druckwahl> wahl =
        drucker.druckdialog(name, arbeitsordner_.absoluteFilePath(name + QStringLiteral(".pdf")));
    if (!wahl)
        return;
    const Bogenraster raster =
        bogenraster(wahl->papierMm, wahl->druckbarMm, !karten.titel.isEmpty());
    const int seiten = raster.seiten(int(karten.inhalte.size())) * (wahl->rueckseiten ? 2 : 1);
    if (!druckenErlaubt(seiten))
        return;
    if (!drucker.drucken(karten, *wahl))
        dialoge_.MsgBox(QStringLiteral("Die Karten konnten nicht gedruckt werden."), NurOk,
                        VunMemory);
}

bool Memo::druckenErlaubt(int seiten) {
    return !nachfragen(seiten) ||
           dialoge_.MsgBox(nachfragetext(seiten), JaNeinFrage, VunMemory) == AntwortJa;
}

} // namespace vun
