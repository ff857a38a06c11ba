#pragma once

#include <QString>
#include <QStringList>

namespace vun {

// What the program is asked on its command line.
struct Befehlszeile {
    enum class Auftrag {
        Spielen, // the window, with the switches and the list below
        Hilfe,   // print hilfetext() and end
        Version, // print versionstext() and end
        Drucken, // the cards as a PDF: druckbefehl reads the rest
        Fehler,  // print fehler on the error output and end with 2
    };
    Auftrag auftrag = Auftrag::Spielen;
    bool vollbild = false;
    bool vorlesen = false;
    // The pairs on the board: 4, 6, 8 or 9.
    int paare = 9;
    // Groups taking turns from the first deal on, 2 to 6, by their colours' names; 0: one player.
    int gruppen = 0;
    // The window "Gruppenspiel" at once, for the teacher to choose the groups.
    bool gruppenwahl = false;
    // The word-list file named, as written; empty where none is.
    QString liste;
    // For Fehler: one German line naming what was wrong.
    QString fehler;
};

// Reads the arguments, the program's name first, from left to right: the first that ends the
// reading (help, version, printing, a fault) decides. Qt's own options (-platform xcb,
// -style=Fusion, ...) are passed over with their values, as QApplication takes them; after "--"
// every argument is a list's name. Of several names the first counts.
Befehlszeile befehlszeileLesen(const QStringList& argumente);

// How the program is called, every switch with a line of German.
QString hilfetext();

// The program's name and version, as one line.
QString versionstext(const QString& version);

} // namespace vun
