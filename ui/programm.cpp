#include "ui/programm.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace vun::ui {

void anwendungEinrichten() {
    QApplication::setApplicationName(QStringLiteral("vun-memory"));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(DesktopName));
    QApplication::setQuitOnLastWindowClosed(false);
}

bool qtTexteLaden(QTranslator& uebersetzer) {
    // The game speaks German whatever the system language, and so should Qt's own texts.
    if (!uebersetzer.load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"),
                          QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    return QCoreApplication::installTranslator(&uebersetzer);
}

} // namespace vun::ui
