#pragma once

// The real program printing with --drucken, as a teacher's script runs it: no display, no
// platform chosen. The test's target defines VUN_PROGRAMM, the program's path.
#include <QProcess>
#include <QString>
#include <QStringList>

namespace vun::test {

struct Aufruf {
    int code = -1;
    QString fehler;
};

inline Aufruf druckprogramm(const QStringList& argumente) {
    QProcess p;
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        umgebung.remove(QString::fromLatin1(name));
    p.setProcessEnvironment(umgebung);
    p.start(QStringLiteral(VUN_PROGRAMM), QStringList{QStringLiteral("--drucken")} + argumente);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardError())};
}

} // namespace vun::test
