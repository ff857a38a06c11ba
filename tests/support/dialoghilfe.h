#pragma once

#include "game/memo.h"
#include "tests/support/fensterhilfe.h"
#include "ui/bildknopf.h"
#include "ui/dateiliste.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>

namespace vun::test {

// Runs the check on the modal box as soon as it is up, while the code under test waits in it.
inline void beimDialog(std::function<void(QWidget*)> pruefen) {
    auto* uhr = new QTimer;
    uhr->setInterval(5);
    QObject::connect(uhr, &QTimer::timeout, [uhr, pruefen] {
        QWidget* box = QApplication::activeModalWidget();
        if (!box || !box->isVisible())
            return;
        uhr->stop();
        uhr->deleteLater();
        QPointer<QWidget> offen = box;
        pruefen(box);
        // A failed check leaves the box up; closing it lets the test end.
        if (offen && offen->isVisible())
            offen->close();
    });
    uhr->start();
}

inline QStringList knopftexte(QWidget* box) {
    QStringList texte;
    for (QAbstractButton* k : box->findChild<QDialogButtonBox*>()->buttons())
        texte.append(k->text());
    texte.sort();
    return texte;
}

inline QAbstractButton* knopf(QWidget* box, const QString& text) {
    for (QAbstractButton* k : box->findChild<QDialogButtonBox*>()->buttons())
        if (k->text() == text)
            return k;
    return nullptr;
}

// A pair list broken in its second line, with a Windows editor's line ends: a teacher's slip.
inline QStringList paarlisteMitFehler() {
    return {"Haus = Häuser", "Baum Bäume",   "Maus=Mäuse", "Kuh = Kühe",     "Buch = Bücher",
            "Hand = Hände",  "Wolf = Wölfe", "Fuß = Füße", "Stuhl = Stühle", "Kopf = Köpfe"};
}

// The game as the player meets it: the program with Qt's real boxes.
struct EchtesSpiel : FensterSpiel {
    explicit EchtesSpiel(const QStringList& woerter = Spiel::standardWoerter())
        : FensterSpiel(woerter, Boxen::Qt) {}

    // Opens the file list and clicks the entry; returns, false when it is not listed, once any
    // box it brings is answered.
    bool waehlen(const QString& name) {
        QTest::mouseClick(fenster.bild(5), Qt::LeftButton);
        ui::Dateiliste* liste = fenster.dateiliste();
        const QList<QListWidgetItem*> treffer = liste->findItems(name, Qt::MatchExactly);
        if (treffer.size() != 1)
            return false;
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {},
                          liste->visualItemRect(treffer.first()).center());
        return true;
    }
};

} // namespace vun::test
