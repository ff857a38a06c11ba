#include "ui/massstab.h"

#include <QFont>
#include <QVariant>
#include <QWidget>
#include <QtMath>
#include <algorithm>

namespace vun::ui {

namespace {

// Where a widget keeps its design while it is shown at another scale.
constexpr char EntwurfRahmen[] = "vun_entwurfRahmen";
constexpr char EntwurfSchrift[] = "vun_entwurfSchrift";
constexpr char Faktor[] = "vun_massstab";

// Only fonts set on purpose are scaled; every other widget takes its font from its parent.
void schriftSkalieren(QWidget* widget, double faktor) {
    QVariant entwurf = widget->property(EntwurfSchrift);
    if (!entwurf.isValid()) {
        if (!widget->testAttribute(Qt::WA_SetFont))
            return;
        entwurf = QVariant::fromValue(widget->font());
        widget->setProperty(EntwurfSchrift, entwurf);
    }
    QFont schrift = entwurf.value<QFont>();
    if (schrift.pixelSize() > 0)
        schrift.setPixelSize(std::max(1, qRound(schrift.pixelSize() * faktor)));
    else
        schrift.setPointSizeF(schrift.pointSizeF() * faktor);
    if (widget->font() != schrift)
        widget->setFont(schrift);
}

void rahmenSkalieren(QWidget* kind, double faktor, QPoint versatz) {
    QVariant entwurf = kind->property(EntwurfRahmen);
    if (!entwurf.isValid()) {
        entwurf = kind->geometry();
        kind->setProperty(EntwurfRahmen, entwurf);
    }
    const QRect soll = skaliert(entwurf.toRect(), faktor).translated(versatz);
    if (kind->geometry() != soll)
        kind->setGeometry(soll);
}

} // namespace

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

void massstabAnwenden(QWidget* fenster, double faktor, QPoint versatz) {
    schriftSkalieren(fenster, faktor);
    for (QWidget* widget : fenster->findChildren<QWidget*>()) {
        if (widget->window() != fenster)
            continue; // a box or window of its own, which scales itself
        if (widget->parentWidget() == fenster)
            rahmenSkalieren(widget, faktor, versatz);
        schriftSkalieren(widget, faktor);
    }
    fenster->setProperty(Faktor, faktor);
}

double massstab(const QWidget* widget) {
    const QVariant faktor = widget->window()->property(Faktor);
    return faktor.isValid() ? faktor.toDouble() : 1.0;
}

} // namespace vun::ui
