#include "boxes/konsole.h"

#include "game/zeilen.h"

#include <QTextStream>

namespace vun {

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

} // namespace vun
