#pragma once

#include "game/gruppen.h"
#include "game/kartenbild.h"
#include "game/spielstand.h"
#include "wordlist/kartenmischen.h"
#include "wordlist/wortliste.h"

#include <QDir>
#include <QObject>
#include <QString>
#include <QStringList>
#include <array>

namespace vun {

class Bildleser;
class Dialoge;
class Drucker;
class Zufallsquelle;

// The main window's game: the board, its state, the words and every command of the tool
// column. A view draws what it holds, connects to the signals below for what changed, and
// forwards the player's clicks to the handlers below.
class Memo : public QObject {
    Q_OBJECT
public:
    // ordner: the folder of word lists, its start-up list and its file list. startdatei: a list
    // chosen when the program was started (opened from the file manager), read in place of the
    // folder's start-up list and judged as a list the player chose. bildleser: checks the
    // pictures of every list read.
    Memo(Dialoge& dialoge, Zufallsquelle& zufall, const Bildleser& bildleser, QDir ordner,
         QString startdatei = {});

    // --- What a view shows ---
    // The board: how many pairs are dealt (cards 1 to 2 x paarzahl()), and its form.
    int paarzahl() const { return paarzahl_; }
    int kartenzahl() const { return 2 * paarzahl_; }
    Brettform brettform() const { return brettform_; }
    const Kartenbild& karte(int nummer) const { return karten_.at(nummer - 1); }
    // Covered without its content; showing it, found while its round runs, else open.
    Kartenzustand zustand(int nummer) const;
    const QString& fenstertitel() const { return fenstertitel_; }
    bool dateilisteSichtbar() const { return dateilisteSichtbar_; }
    // The folder's word-list files as listed when the file list was last shown.
    const QStringList& dateiliste() const { return dateiliste_; }
    // The name of the word-list file being played; empty while the built-in words are.
    const QString& gespielteDatei() const { return gespielteDatei_; }
    // The title of a word-list file of the folder (empty where it has none): the one being played
    // as it was read, any other read for its title alone, so asking costs one file at most.
    QString listentitel(const QString& name) const;

    // --- Start-up: the start-up word list, the seed and the first deal; no clearing ---
    void Form_Load();

    // --- Events ---
    void Bezeichnung_Click(int karte);      // a click on card 1..18
    bool Bild1_Click();                     // quit: true when the player confirmed
    void Bild2_Click();                     // player name
    void Bild3_Click();                     // help
    void Bild4_Click();                     // new game
    void Bild5_Click();                     // show or hide the file list
    void Datei1_Click(const QString& name); // a word-list file chosen in the file list
    // "Paare": another number of pairs deals anew, as the new-game button does after "Ja".
    void paarzahlWaehlen(int paare);
    // "Große Karten": squares or strips for the list being played, until another list is chosen.
    void brettformWaehlen(Brettform form);
    // "Gruppenspiel": groups by those names (2 to 6) take turns from the next deal on, or the
    // game has one player again; either deals anew, as the new-game button does after "Ja".
    void gruppenspielStarten(const QStringList& namen, bool nachJedemZug);
    void alleinSpielen();
    // Off at every start: one player.
    const Gruppenspiel& gruppenspiel() const { return gruppenspiel_; }
    // Ctrl+P: the cards of the list being played on paper, through the print dialog.
    void kartenDrucken(Drucker& drucker);

    // The deal on the board, entry i-1 for card i: what the card shows when it is turned, and
    // which pair it belongs to, even while it lies covered.
    const QList<Spielkarte>& liste1() const { return liste1_; }

signals:
    // The board's form or its number of cards changed; a deal follows (gemischt) where the number
    // did.
    void brettGeaendert();
    // Only on real changes, so a view repaints no more than changed.
    void karteGeaendert(int karte);
    void titelGeaendert(const QString& titel);
    void dateilisteGeaendert();
    // A new deal lies covered on the board: a view may prepare what its cards will show.
    void gemischt();
    // The player's click turned the card face up; a card clicked while open stays silent.
    void aufgedeckt(int karte);
    // The player's click met a card that showed already, open or found, and changed nothing
    // of it: its sound plays again.
    void angetippt(int karte);
    // Groups started or ended, the turn passed, or a group's pairs changed.
    void gruppenGeaendert();
    // The turn passed to that group, after the card that ended the last turn was shown.
    void zugGewechselt(int gruppe);
    // The win message, as its box is about to appear.
    void gewinnmeldung(const QString& text);

private:
    // The game's procedures: only the events above call them.
    void FeldGeklickt();
    void ZugBeenden(bool paar);
    void PaarZudecken();
    void PaarMarkieren();
    void FelderLeeren();
    void SpielGewonnen();
    void KartenMischen();
    void DateiLaden(const QString& name);
    // Before printing that many pages of cards: true when few enough, or the player said yes.
    bool druckenErlaubt(int seiten);
    // The board a newly read list asks for: squares for pictures, strips for words.
    void brettformNachListe();
    // A new deal on a cleared board, as the new-game button gives after "Ja".
    void neuBeginnen();

    // Shows the content on the card's face, or covers it with the empty content.
    void setzeBeschriftung(int karte, const Karteninhalt& inhalt);
    void setzeHintergrund(int karte, Rgb farbe);
    void setzeKursiv(int karte, bool kursiv);
    void setzeFinder(int karte, int gruppe);

    Dialoge& dialoge_;
    Zufallsquelle& zufall_;
    const Bildleser& bildleser_;
    QDir arbeitsordner_;
    QString startdatei_;

    int paarzahl_ = Paarzahl;
    Brettform brettform_ = Brettform::Streifen;
    Spielstand spielstand_;
    QList<Spielkarte> liste1_;
    Wortliste liste2_;
    Modul1 modul1_;
    std::array<Kartenbild, Kartenzahl> karten_{};
    QString fenstertitel_ = QStringLiteral("VUN-Memospiel: Freund und Gast");
    bool dateilisteSichtbar_ = false;
    QStringList dateiliste_;
    QString gespielteDatei_;
    Gruppenspiel gruppenspiel_;
};

} // namespace vun
