// VUN-Memory: a word memory game. Starts the main window on the word lists of the folder it is
// run in.
#include "hauptfenster.h"
#include "qtdialoge.h"
#include "zufall.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vun-memory"));
    // The program ends with its main window or its quit button, never by itself.
    QApplication::setQuitOnLastWindowClosed(false);

    // Qt's own texts (context menus of text fields and the like) in German where installed.
    QTranslator qtTexte;
    if (qtTexte.load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"),
                     QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexte);

    vun::ui::QtDialoge dialoge;
    vun::Zufallsgenerator zufall;
    vun::Memo memo(dialoge, zufall, QDir::current());
    vun::ui::Hauptfenster fenster(memo);
    dialoge.setEltern(&fenster);
    QObject::connect(&fenster, &vun::ui::Hauptfenster::programmEnde, &app, &QApplication::quit);

    fenster.starten();
    return QApplication::exec();
}
