// VUN-Memory: a word memory game. Starts the main window on the word lists of the folder it is
// run in.
#include "seams/zufall.h"
#include "ui/hauptfenster.h"
#include "ui/programm.h"
#include "ui/qtdialoge.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    vun::ui::anwendungEinrichten();

    vun::ui::QtDialoge dialoge;
    vun::Zufallsgenerator zufall;
    vun::Memo memo(dialoge, zufall, QDir::current());
    vun::ui::Hauptfenster fenster(memo);
    dialoge.setzeEltern(&fenster);
    QObject::connect(&fenster, &vun::ui::Hauptfenster::programmEnde, &app, &QApplication::quit);

    fenster.starten();
    return QApplication::exec();
}
