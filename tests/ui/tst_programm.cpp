// The program as the desktop sees it: its desktop name, and Qt's own texts in German.
#include "ui/programm.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QTranslator>
#include <QtTest>

class TstProgramm : public QObject {
    Q_OBJECT
private slots:
    void desktopName() {
        vun::ui::anwendungEinrichten();
        QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("de.vunmemory.VunMemory"));
        QVERIFY(!QApplication::quitOnLastWindowClosed());
    }

    // The context menu of the name box speaks German, whatever the system language.
    void qtTexteDeutsch() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QTranslator uebersetzer;
        QVERIFY(vun::ui::qtTexteLaden(uebersetzer));
        QLineEdit feld(QStringLiteral("Freund und Gast"));
        feld.selectAll();
        std::unique_ptr<QMenu> menue(feld.createStandardContextMenu());
        QStringList texte;
        for (QAction* a : menue->actions())
            if (!a->isSeparator())
                texte.append(a->text().section(QLatin1Char('\t'), 0, 0).remove(QLatin1Char('&')));
        QVERIFY2(texte.contains(QStringLiteral("Kopieren")), qPrintable(texte.join(", ")));
        QVERIFY2(texte.contains(QStringLiteral("Einfügen")), qPrintable(texte.join(", ")));
        QVERIFY(!texte.contains(QStringLiteral("Copy")));
        QCoreApplication::removeTranslator(&uebersetzer);
    }
};

QTEST_MAIN(TstProgramm)
#include "tst_programm.moc"
