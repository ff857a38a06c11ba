#include "karte.h"

#include "aussehen.h"
#include "memo.h"

#include <QMouseEvent>
#include <QPainter>

namespace vun::ui {

namespace {
const QColor Randfarbe = Qt::black; // the single thin line around a card
}

Karte::Karte(const Memo& memo, int nummer, QWidget* eltern)
    : QWidget(eltern), memo_(memo), nummer_(nummer) {
    setObjectName(QStringLiteral("Bezeichnung%1").arg(nummer));
    setFont(schrift(13.5, true));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Karte::paintEvent(QPaintEvent*) {
    const Kartenbild& bild = memo_.karte(nummer_);
    QPainter maler(this);
    // The border is filled rather than stroked, so it stays one crisp line at any scale.
    maler.fillRect(rect(), Randfarbe);
    const QRect innen = rect().adjusted(1, 1, -1, -1);
    maler.fillRect(innen, farbe(bild.hintergrund));
    QFont f = font();
    f.setItalic(bild.kursiv);
    maler.setFont(f);
    maler.setPen(farbe(bild.textfarbe));
    maler.drawText(innen, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, bild.beschriftung);
}

void Karte::mouseReleaseEvent(QMouseEvent* ereignis) {
    if (istKlick(this, ereignis))
        emit geklickt(nummer_);
}

} // namespace vun::ui
