#include "ui/programm.h"

#include "boxes/konsole.h"
#include "game/befehlszeile.h"
#include "game/druckbefehl.h"
#include "seams/klangspieler.h"
#include "seams/sprecher.h"
#include "sound/klangladen.h"
#include "ui/extras.h"
#include "ui/impressum.h"
#include "ui/vergroesserung.h"
#include "voice/sprecherladen.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>
#include <cstdio>

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

Startort startortAus(const QString& liste, const QDir& gestartetIn) {
    // An empty argument names no file; a desktop passes none when nothing was chosen.
    if (liste.isEmpty())
        return {gestartetIn, {}};
    const QFileInfo datei(gestartetIn, liste);
    // Where the folder is gone too, the game stays where it was started; the file is then
    // reported faulty like any other that cannot be read.
    const QDir ordner(datei.absolutePath());
    return {ordner.exists() ? ordner : gestartetIn, datei.absoluteFilePath()};
}

Programm::Programm(const Startort& ort, const Dienste& dienste)
    : memo_(dienste.dialoge ? *dienste.dialoge : qtDialoge_,
            dienste.zufall ? *dienste.zufall : zeitzufall_,
            {dienste.bildleser ? *dienste.bildleser : qtBildleser_,
             dienste.klangleser ? *dienste.klangleser : klangkopfleser_},
            ort.ordner, ort.startdatei),
      fenster_(memo_, eingabe_),
      vorlesen_(
          memo_, dienste.dialoge ? *dienste.dialoge : qtDialoge_,
          dienste.sprecher ? dienste.sprecher : [] { return sprecherLaden(); },
          dienste.bildschirmleser ? dienste.bildschirmleser
                                  : [] { return QAccessible::isActive(); }),
      klaenge_(
          memo_, dienste.dialoge ? *dienste.dialoge : qtDialoge_,
          dienste.klangspieler ? dienste.klangspieler : [] { return klangspielerLaden(); }) {
    // Before the window is shown the start-up boxes stand on their own.
    const auto zoom = [this] { return fenster_.groesse().faktor(); };
    qtDialoge_.setzeEltern(&fenster_, zoom);
    qtDrucker_.setzeEltern(&fenster_, zoom);
    qtDrucker_.setzeTexte([this] { qtDialoge_.qtTexteBereitstellen(); });
    Drucker* drucker = dienste.drucker ? dienste.drucker : &qtDrucker_;
    Extras& extras = fenster_.extras();
    extras.belegen(Extra::Drucken, [this, drucker] { memo_.kartenDrucken(*drucker); });
    // The mark shows the player's switch from the first moment, while the voice is got ready.
    extras.belegen(
        Extra::Vorlesen, [this] { vorlesen_.umschalten(); },
        [this] { return vorlesen_.eingeschaltet(); });
    QObject::connect(&vorlesen_, &Vorlesen::geschaltet, &extras, &Extras::abgleichen);
}

void Programm::starten(bool vollbild, bool vorlesen, int paare, int gruppen, bool gruppenwahl) {
    memo_.paarzahlWaehlen(paare);
    Extras& extras = fenster_.extras();
    if (vollbild)
        extras.aktion(Extra::Vollbild)->trigger();
    fenster_.starten();
    if (gruppen > 0) {
        QStringList namen;
        for (int g = 1; g <= gruppen; ++g)
            namen.append(gruppenfarbname(g));
        memo_.gruppenspielStarten(namen, false);
    }
    if (gruppenwahl)
        QMetaObject::invokeMethod(extras.aktion(Extra::Gruppenspiel), &QAction::trigger,
                                  Qt::QueuedConnection);
    // Once the window stands: a box about a missing voice belongs over it.
    if (vorlesen)
        QMetaObject::invokeMethod(extras.aktion(Extra::Vorlesen), &QAction::trigger,
                                  Qt::QueuedConnection);
}

namespace {

int druckbefehlAusfuehren(int argc, char** argv) {
    // No window is opened, so no display is needed whatever the desktop would choose.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication anwendung(argc, argv);
    QTextStream fehler(stderr);
    KonsolenDialoge dialoge(fehler);
    QtDrucker drucker;
    const QtBildleser bildleser;
    const Klangkopfleser klangleser;
    return druckbefehl(QCoreApplication::arguments(), drucker, dialoge, {bildleser, klangleser});
}

int ausgeben(FILE* ziel, const QString& text, int code) {
    std::fputs(text.toLocal8Bit().constData(), ziel);
    return code;
}

} // namespace

std::optional<int> ohneFenster(int argc, char** argv) {
    QStringList argumente;
    for (int i = 0; i < argc; ++i)
        argumente.append(QString::fromLocal8Bit(argv[i]));
    const Befehlszeile befehl = befehlszeileLesen(argumente);
    switch (befehl.auftrag) {
    case Befehlszeile::Auftrag::Hilfe:
        return ausgeben(stdout, hilfetext(), 0);
    case Befehlszeile::Auftrag::Version:
        return ausgeben(stdout, versionstext(QString::fromLatin1(impressum::Version)), 0);
    case Befehlszeile::Auftrag::Fehler:
        return ausgeben(stderr, befehl.fehler + u'\n', 2);
    case Befehlszeile::Auftrag::Drucken:
        return druckbefehlAusfuehren(argc, argv);
    case Befehlszeile::Auftrag::Spielen:
        break;
    }
    return std::nullopt;
}

} // namespace vun::ui
