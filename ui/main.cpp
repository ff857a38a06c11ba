// VUN-Memory: a word memory game. Starts the main window on the word lists of the folder it is
// run in, or on a word-list file named as its argument and the lists beside it.
#include "game/befehlszeile.h"
#include "ui/programm.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    // Help, the version, a wrong switch and the cards as a PDF: no window, no display needed.
    if (const std::optional<int> code = vun::ui::ohneFenster(argc, argv))
        return *code;
    vun::ui::plattformWaehlen();
    QApplication app(argc, argv);
    vun::ui::anwendungEinrichten();
    // Read again as Qt left it: its own options (-platform, -style, ...) taken out, the list's
    // name decoded as Qt decodes it.
    const vun::Befehlszeile befehl = vun::befehlszeileLesen(QCoreApplication::arguments());
    vun::ui::Programm programm(vun::ui::startortAus(befehl.liste));
    QObject::connect(&programm.fenster(), &vun::ui::Hauptfenster::programmEnde, &app,
                     &QApplication::quit);
    programm.starten(befehl.vollbild, befehl.vorlesen, befehl.paare, befehl.gruppen,
                     befehl.gruppenwahl);
    return QApplication::exec();
}
