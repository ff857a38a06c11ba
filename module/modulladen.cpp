#include "module/modulladen.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

namespace vun {

QStringList modulOrte(const QString& dateiname) {
    // VUN_MODULORDNER is relative to the program's folder where the build made it so.
    const QDir programm(QCoreApplication::applicationDirPath());
    return {programm.filePath(dateiname),
            QDir(programm.filePath(QStringLiteral(VUN_MODULORDNER))).filePath(dateiname)};
}

Modulfund modulfunktion(const QStringList& orte, const char* name) {
    Modulfund fund;
    for (const QString& ort : orte) {
        if (!QFileInfo::exists(ort))
            continue;
        fund.vorhanden = true;
        QLibrary modul(ort);
        fund.funktion = modul.resolve(name);
        if (fund.funktion)
            return fund;
        qWarning("%s", qPrintable(modul.errorString()));
    }
    return fund;
}

} // namespace vun
