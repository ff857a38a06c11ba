#pragma once

#include "game/memo.h"

#include <QMargins>
#include <QWidget>
#include <array>
#include <memory>

class QLabel;

namespace vun {
class Bildvorrat;
}

namespace vun::ui {

class Bildknopf;
class Dateiliste;
class Eingabewache;
class Extras;
class Gruppenfenster;
class Gruppenstreifen;
class Infofenster;
class Karte;
class Vergroesserung;
struct Anordnung;

// The main window: the board, the tool column and the file list. It draws what the game holds,
// redraws only what the game reports as changed, and hands every click to the game.
class Hauptfenster : public QWidget {
    Q_OBJECT
public:
    // The program's input guard tells the window's widgets whether the keyboard is in use.
    Hauptfenster(Memo& memo, Eingabewache& eingabe);
    ~Hauptfenster() override;

    // Start-up: centred on the screen, the game loaded and dealt, then shown; full screen where
    // that extra was switched on before.
    void starten();
    // Centred with the outer sizes, frame included, as far as the frame is known; nothing keeps
    // it on a screen smaller than the window.
    void mittigSetzen();

    Karte* karte(int nummer) const { return karten_.at(nummer - 1); }
    Bildknopf* bild(int nummer) const { return bilder_.at(nummer - 1); }
    // The file list, made here when first needed: most games never show it.
    Dateiliste* dateiliste();
    // The information window once the player asked for it, else null.
    Infofenster* infofenster() const { return info_.get(); }
    // The strip below the board once groups played, else null; shown while they play.
    Gruppenstreifen* gruppenstreifen() const { return streifen_; }
    // The window "Gruppenspiel", made when first asked for.
    Gruppenfenster& gruppenfenster();
    // Zoom steps and full screen.
    Vergroesserung& groesse() const { return *groesse_; }
    // The actions of the extras: the window does the zoom's, the program the others.
    Extras& extras() const { return *extras_; }

    // The title the window system shows for a text, which Qt would otherwise read as a pattern.
    static QString titelFuerFenster(const QString& titel);

    // What the tool buttons do, from top to bottom.
    enum class Werkzeug { Ende, Name, Hilfe, Neu, Liste, Info };

signals:
    // The player ended the program; both windows are gone already.
    void programmEnde();

protected:
    void closeEvent(QCloseEvent* ereignis) override;
    // Tab goes round the tool buttons, the file list when shown, and the board as one stop.
    bool focusNextPrevChild(bool vor) override;

private:
    void bauen();
    void werkzeugleisteBauen();
    void extrasBelegen();
    void kartenBauen();
    // Every child at its design rectangle and font, at the zoom's factor; in full screen below
    // the caption.
    void anordnen(const Anordnung& anordnung);
    void kartenAnordnen(const Anordnung& anordnung);
    // Squares in full screen: the cards filling what the caption and the tool column leave.
    void kartenFuellen(const Anordnung& anordnung);
    void brettFolgen();
    // Groups started or ended: the strip comes or goes, and the window grows or shrinks by it.
    void gruppenFolgen();
    // The groups playing, 0 for one player.
    int gruppenzahl() const;
    void tabfolgeSetzen();
    void werkzeugGeklickt(Werkzeug werkzeug);
    void dateilisteZeigen();
    void infoZeigen();
    void beenden();
    void rahmenPruefen();
    void rahmenAbwarten();
    // Centred now, and again once the window manager tells a frame other than the one used.
    void mittigNeuSetzen();

    Memo& memo_;
    Eingabewache& eingabe_;
    QWidget* figur1_ = nullptr;
    QWidget* linie1_ = nullptr;
    QLabel* kopf_ = nullptr;             // the caption in full screen, where no title bar shows it
    Bildvorrat* kartenbilder_ = nullptr; // the pictures of the picture cards of the deal
    std::array<Karte*, Kartenzahl> karten_{};
    std::array<QWidget*, 6> beschriftungen_{};
    std::array<Bildknopf*, 6> bilder_{};
    int brettkarte_ = 1; // the card Tab comes back to on the board
    Dateiliste* datei1_ = nullptr;
    QWidget* vorlesezeichen_ = nullptr; // shown while Vorlesen is on
    std::unique_ptr<Infofenster> info_;
    Gruppenstreifen* streifen_ = nullptr;
    Gruppenfenster* gruppenfenster_ = nullptr;
    QMargins gesetzterRahmen_; // the frame the window was centred with
    QPoint gesetzteEcke_;      // where its inside was put then
    Vergroesserung* groesse_ = nullptr;
    Extras* extras_ = nullptr;
};

} // namespace vun::ui
