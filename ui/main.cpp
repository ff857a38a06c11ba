// VUN-Memory: a word memory game. Starts the main window on the word lists of the folder it is
// run in, or on a word-list file named as its argument and the lists beside it.
#include "boxes/konsole.h"
#include "game/druckbefehl.h"
#include "ui/programm.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    // The cards as a PDF from the command line: no window, no display needed.
    if (vun::istDruckbefehl(argc, argv))
        return vun::ui::druckbefehlAusfuehren(argc, argv);
    vun::ui::plattformWaehlen();
    QApplication app(argc, argv);
    vun::ui::anwendungEinrichten();
    // QApplication has taken its own options (-platform, -style, ...) out of the arguments.
    QStringList argumente = QCoreApplication::arguments();
    const bool vollbild = vun::ui::vollbildVerlangt(argumente);
    const bool vorlesen = vun::ui::vorlesenVerlangt(argumente);
    vun::ui::Programm programm(vun::ui::startortAus(argumente));
    QObject::connect(&programm.fenster(), &vun::ui::Hauptfenster::programmEnde, &app,
                     &QApplication::quit);
    programm.starten(vollbild, vorlesen);
    return QApplication::exec();
}
