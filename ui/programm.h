#pragma once

#include "boxes/qtdialoge.h"
#include "game/klaenge.h"
#include "game/memo.h"
#include "game/vorlesen.h"
#include "pictures/qtbildleser.h"
#include "printing/qtdrucker.h"
#include "seams/zufall.h"
#include "sound/klangpruefung.h"
#include "ui/bilder.h"
#include "ui/eingabewache.h"
#include "ui/hauptfenster.h"

#include <QByteArray>
#include <QDir>
#include <QString>
#include <QStringList>
#include <optional>

namespace vun::ui {

// The name under which the desktop knows the program: its .desktop file, icon and metainfo.
inline constexpr char DesktopName[] = "de.vunmemory.VunMemory";

// Names the application for the desktop; it ends by the main window or the quit button only.
void anwendungEinrichten();

// Where the game plays: the folder of its word lists, and the list it starts with where one was
// named (absolute), else the folder's start-up list.
struct Startort {
    QDir ordner;
    QString startdatei;
};

// From the list named on the command line (Befehlszeile::liste): the word-list file the program
// was started with ("Open with" in a file manager), made absolute against the folder the program
// was started in, and that file's folder, so that the file list offers the lists beside it;
// without a file, the folder the program was started in. Nothing changes the process's working
// folder.
Startort startortAus(const QString& liste, const QDir& gestartetIn = QDir::current());

// What the program needs from outside. Each one left empty is the real one: Qt's boxes over the
// main window, random numbers seeded from the time of day, Qt's image readers, the checks of
// sound files' headers, the printer through Qt's print dialog, the desktop's speech service
// through the speech module, the cards' sounds through the sound module, and Qt's accessibility
// asked whether a screen reader listens. Tests give their scripted ones here.
struct Dienste {
    Dialoge* dialoge = nullptr;
    Zufallsquelle* zufall = nullptr;
    const Bildleser* bildleser = nullptr;
    const Klangleser* klangleser = nullptr;
    Drucker* drucker = nullptr;
    Vorlesen::Sprecherquelle sprecher = {};
    Vorlesen::Bildschirmleser bildschirmleser = {};
    Klaenge::Spielerquelle klangspieler = {};
};

// The program as main() runs it: the input guard, the services, the game on them, its main
// window and reading aloud, wired together. Tests that need the whole program build it here too.
class Programm {
public:
    explicit Programm(const Startort& ort, const Dienste& dienste = {});

    // Shows the window with the game started; full screen and reading aloud where the command
    // line asked for them, each switched by its extra as the player switches it, and the number
    // of pairs it asked for dealt from the first deal on. With `gruppen` (2 to 6) that many groups
    // by their colours' names take turns from the start; with `gruppenwahl` the window
    // "Gruppenspiel" comes up over the game at once.
    void starten(bool vollbild = false, bool vorlesen = false, int paare = Paarzahl,
                 int gruppen = 0, bool gruppenwahl = false);

    Memo& memo() { return memo_; }
    Hauptfenster& fenster() { return fenster_; }

private:
    // First made and last gone: every widget's input passes it.
    Eingabewache eingabe_;
    QtDialoge qtDialoge_{[](int seite) { return gespeichertesBild(u"hilfe", seite); }};
    QtDrucker qtDrucker_;
    QtBildleser qtBildleser_;
    Klangkopfleser klangkopfleser_;
    Zufallsgenerator zeitzufall_;
    Memo memo_;
    Hauptfenster fenster_;
    Vorlesen vorlesen_;
    Klaenge klaenge_;
};

// The Qt platform to start on, from QT_QPA_PLATFORM and the displays the desktop offers; the
// empty text leaves Qt's own choice. The user's QT_QPA_PLATFORM always wins. On a Wayland
// desktop with XWayland the game goes through X, where a window is centred as it asks, and
// natively on Wayland where X fails; on Wayland alone it goes natively.
QByteArray plattformWahl(const QByteArray& gesetzt, bool wayland, bool x11);

// Puts the choice into QT_QPA_PLATFORM; before the application is made.
void plattformWaehlen();

// What the command line asks without a window, before anything of Qt is made, so that it needs
// no display: the help and the version on the standard output (exit code 0), a wrong switch on
// the error output (2), and "vun-memory --drucken LISTE.TXT AUSGABE.pdf", the cards as a PDF
// with its messages on the error output. Empty where the game is to be played.
std::optional<int> ohneFenster(int argc, char** argv);

} // namespace vun::ui
