#include "ui/massstab.h"

#include "ui/bildgroessen.h"

#include <QWidget>
#include <QtMath>
#include <algorithm>

namespace vun::ui {

QRect skaliert(QRect entwurf, double faktor) {
    return {qRound(entwurf.x() * faktor), qRound(entwurf.y() * faktor),
            qRound(entwurf.width() * faktor), qRound(entwurf.height() * faktor)};
}

QSize skaliert(QSize entwurf, double faktor) {
    return skaliert(QRect(QPoint(), entwurf), faktor).size();
}

double einpassen(QSize entwurf, QSize flaeche) {
    if (entwurf.isEmpty() || flaeche.isEmpty())
        return 1.0;
    return std::min(double(flaeche.width()) / entwurf.width(),
                    double(flaeche.height()) / entwurf.height());
}

int naechsteStufe(int stufe, int richtung, QSize entwurf, QSize frei) {
    if (richtung == 0)
        return Zoomstufen.front();
    const auto passt = [&](int s) {
        const QSize groesse = skaliert(entwurf, s / 100.0);
        return groesse.width() <= frei.width() && groesse.height() <= frei.height();
    };
    if (richtung > 0) {
        const auto groesser = std::upper_bound(Zoomstufen.begin(), Zoomstufen.end(), stufe);
        return groesser != Zoomstufen.end() && passt(*groesser) ? *groesser : stufe;
    }
    const auto kleiner = std::lower_bound(Zoomstufen.begin(), Zoomstufen.end(), stufe);
    return kleiner != Zoomstufen.begin() ? *std::prev(kleiner) : stufe;
}

void Anordnung::setzen(QWidget* kind, QRect entwurf) const {
    const QRect soll = skaliert(entwurf, faktor).translated(versatz);
    if (kind->geometry() != soll)
        kind->setGeometry(soll);
}

void Anordnung::setzen(QWidget* kind, QRect entwurf, const QFont& schrift) const {
    setzen(kind, entwurf);
    schriftSetzen(kind, schrift);
}

void Anordnung::schriftSetzen(QWidget* widget, const QFont& schrift) const {
    const QFont soll = skaliert(schrift, faktor);
    if (!widget->testAttribute(Qt::WA_SetFont) || widget->font() != soll)
        widget->setFont(soll);
}

} // namespace vun::ui
