#pragma once

#include <QString>

namespace vun {

// The player's messages end their lines with CR (seams/dialoge.h); Qt's labels and a terminal
// break lines at LF. CR LF and a lone CR become LF.
inline QString zeilen(const QString& text) {
    QString ergebnis = text;
    ergebnis.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    ergebnis.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return ergebnis;
}

} // namespace vun
