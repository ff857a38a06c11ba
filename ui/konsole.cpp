#include "ui/konsole.h"

#include "game/druckbefehl.h"
#include "ui/aussehen.h"
#include "ui/qtbildleser.h"
#include "ui/qtdrucker.h"

#include <QGuiApplication>
#include <QTextStream>

namespace vun::ui {

MsgBoxAntwort KonsolenDialoge::MsgBox(const QString& prompt, MsgBoxStil stil, const QString& titel,
                                      const QString& details) {
    if (!titel.isEmpty())
        ausgabe_ << titel << ": ";
    ausgabe_ << zeilen(prompt).trimmed() << "\n";
    if (!details.isEmpty())
        ausgabe_ << zeilen(details).trimmed() << "\n";
    ausgabe_.flush();
    return (stil & 15) == JaNein ? AntwortNein : AntwortOk;
}

QString KonsolenDialoge::InputBox(const QString& prompt, const QString& titel, const QString&) {
    MsgBox(prompt, NurOk, titel);
    return {};
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
