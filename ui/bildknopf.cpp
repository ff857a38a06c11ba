#include "bildknopf.h"

#include "aussehen.h"

#include <QMouseEvent>
#include <QPainter>

namespace vun::ui {

Bildknopf::Bildknopf(const QString& name, const QString& bild, QRect rahmen, QColor hintergrund,
                     QWidget* eltern)
    : QWidget(eltern), bild_(bildpfad(bild)), hintergrund_(hintergrund) {
    setObjectName(name);
    setGeometry(rahmen);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Bildknopf::paintEvent(QPaintEvent*) {
    QPainter maler(this);
    maler.fillRect(rect(), hintergrund_);
    bild_.render(&maler, QRectF(0, 0, Bildseite, Bildseite));
}

void Bildknopf::mouseReleaseEvent(QMouseEvent* ereignis) {
    if (istKlick(this, ereignis))
        emit geklickt();
}

} // namespace vun::ui
