#include "ui/programm.h"

#include "boxes/konsole.h"
#include "game/druckbefehl.h"
#include "seams/sprecher.h"
#include "ui/vergroesserung.h"
#include "voice/sprecherladen.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace vun::ui {

void anwendungEinrichten() {
    QApplication::setApplicationName(QStringLiteral("vun-memory"));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(DesktopName));
    QApplication::setQuitOnLastWindowClosed(false);
}

QByteArray plattformWahl(const QByteArray& gesetzt, bool wayland, bool x11) {
    if (!gesetzt.isEmpty())
        return gesetzt;
    if (wayland)
        return x11 ? QByteArrayLiteral("xcb;wayland") : QByteArrayLiteral("wayland");
    return {};
}

void plattformWaehlen() {
    const QByteArray wahl =
        plattformWahl(qgetenv("QT_QPA_PLATFORM"), !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"),
                      !qEnvironmentVariableIsEmpty("DISPLAY"));
    if (!wahl.isEmpty())
        qputenv("QT_QPA_PLATFORM", wahl);
}

bool vollbildVerlangt(QStringList& argumente) {
    return argumente.removeAll(QStringLiteral("--vollbild")) > 0;
}

bool vorlesenVerlangt(QStringList& argumente) {
    return argumente.removeAll(QStringLiteral("--vorlesen")) > 0;
}

Startort startortAus(const QStringList& argumente, const QDir& gestartetIn) {
    // An empty argument names no file; a desktop passes none when nothing was chosen.
    if (argumente.size() < 2 || argumente.at(1).isEmpty())
        return {gestartetIn, {}};
    const QFileInfo datei(gestartetIn, argumente.at(1));
    // Where the folder is gone too, the game stays where it was started; the file is then
    // reported faulty like any other that cannot be read.
    const QDir ordner(datei.absolutePath());
    return {ordner.exists() ? ordner : gestartetIn, datei.absoluteFilePath()};
}

Programm::Programm(const Startort& ort, Dialoge* dialoge, Zufallsquelle* zufall)
    : memo(dialoge ? *dialoge : qtDialoge_, zufall ? *zufall : zeitzufall_, qtBildleser_,
           ort.ordner, ort.startdatei),
      fenster(memo, eingabe_),
      vorlesen(
          memo, dialoge ? *dialoge : qtDialoge_, [] { return sprecherLaden(); },
          [] { return QAccessible::isActive(); }) {
    // Before the window is shown the start-up boxes stand on their own.
    const auto zoom = [this] { return fenster.groesse().faktor(); };
    qtDialoge_.setzeEltern(&fenster, zoom);
    qtDrucker_.setzeEltern(&fenster, zoom);
    qtDrucker_.setzeTexte([this] { qtDialoge_.qtTexteBereitstellen(); });
    QObject::connect(&fenster, &Hauptfenster::druckenVerlangt, &memo,
                     [this] { memo.kartenDrucken(qtDrucker_); });
    vorlesenSchalter_ = new QAction(QStringLiteral("Vorlesen"), &fenster);
    vorlesenSchalter_->setObjectName(QStringLiteral("vorlesen"));
    vorlesenSchalter_->setCheckable(true);
    vorlesenSchalter_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    fenster.addAction(vorlesenSchalter_);
    // The check follows the switch, and goes where switching on found no voice.
    QObject::connect(vorlesenSchalter_, &QAction::triggered, &vorlesen, [this] {
        vorlesen.umschalten();
        vorlesenSchalter_->setChecked(vorlesen.eingeschaltet());
    });
    QObject::connect(&vorlesen, &Vorlesen::geschaltet, vorlesenSchalter_, &QAction::setChecked);
}

int druckbefehlAusfuehren(int argc, char** argv) {
    // No window is opened, so no display is needed whatever the desktop would choose.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication anwendung(argc, argv);
    QTextStream fehler(stderr);
    KonsolenDialoge dialoge(fehler);
    QtDrucker drucker;
    const QtBildleser bildleser;
    return druckbefehl(QCoreApplication::arguments(), drucker, dialoge, bildleser);
}

} // namespace vun::ui
