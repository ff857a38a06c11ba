#include "bildknopf.h"

#include "aussehen.h"

#include <QPainter>

namespace vun::ui {

Bildknopf::Bildknopf(const QString& name, const QString& bild, QRect rahmen, QColor hintergrund,
                     QWidget* eltern)
    : Schaltflaeche(eltern), bild_(bildpfad(bild)), hintergrund_(hintergrund) {
    setObjectName(name);
    setGeometry(rahmen);
}

void Bildknopf::paintEvent(QPaintEvent*) {
    QPainter maler(this);
    maler.fillRect(rect(), hintergrund_);
    bild_.render(&maler, QRectF(0, 0, Bildseite, Bildseite));
    if (hasFocus() && fokusSichtbar())
        fokusrahmenMalen(maler, rect());
}

} // namespace vun::ui
