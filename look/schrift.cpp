#include "look/schrift.h"

#include <QFontMetrics>
#include <algorithm>

namespace vun {

QFont schrift(double punkt, bool fett, bool kursiv) {
    QFont f(QStringLiteral("Liberation Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(qRound(punkt * 96.0 / 72.0));
    f.setBold(fett);
    f.setItalic(kursiv);
    return f;
}

QFont passendeSchrift(QFont schrift, QRect feld, int art, const QString& text) {
    // Below this nobody reads it anyway; the text is then drawn at this size and clipped.
    constexpr int Kleinste = 4;
    while (schrift.pixelSize() > Kleinste) {
        const QSize noetig = QFontMetrics(schrift).boundingRect(feld, art, text).size();
        if (noetig.width() <= feld.width() && noetig.height() <= feld.height())
            break;
        schrift.setPixelSize(schrift.pixelSize() - 1);
    }
    return schrift;
}

QFont skaliert(QFont entwurf, double faktor) {
    if (faktor == 1.0)
        return entwurf;
    if (entwurf.pixelSize() > 0)
        entwurf.setPixelSize(std::max(1, qRound(entwurf.pixelSize() * faktor)));
    else
        entwurf.setPointSizeF(entwurf.pointSizeF() * faktor);
    return entwurf;
}

} // namespace vun
