// VUN-Memory: a word memory game. Starts the main window on the word lists of the folder it is
// run in, or on a word-list file named as its argument and the lists beside it.
#include "seams/zufall.h"
#include "ui/hauptfenster.h"
#include "ui/programm.h"
#include "ui/qtdialoge.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    vun::ui::plattformWaehlen();
    QApplication app(argc, argv);
    vun::ui::anwendungEinrichten();
    // QApplication has taken its own options (-platform, -style, ...) out of the arguments.
    const QString startdatei = vun::ui::startdateiAnnehmen(QCoreApplication::arguments());

    vun::ui::QtDialoge dialoge;
    vun::Zufallsgenerator zufall;
    vun::Memo memo(dialoge, zufall, QDir::current(), startdatei);
    vun::ui::Hauptfenster fenster(memo);
    dialoge.setzeEltern(&fenster);
    QObject::connect(&fenster, &vun::ui::Hauptfenster::programmEnde, &app, &QApplication::quit);

    fenster.starten();
    return QApplication::exec();
}
