#include "ui/bildknopf.h"

#include "ui/aussehen.h"
#include "ui/bilder.h"

#include <QPainter>
#include <QtMath>

namespace vun::ui {

Bildknopf::Bildknopf(const QString& name, const QString& bild, QColor hintergrund,
                     Eingabewache& eingabe, QWidget* eltern)
    : Schaltflaeche(eingabe, eltern), bildname_(bild), hintergrund_(hintergrund) {
    setObjectName(name);
}

void Bildknopf::paintEvent(QPaintEvent*) {
    QPainter maler(this);
    maler.fillRect(rect(), hintergrund_);
    // The window may be zoomed or move to a screen of another scale; the picture follows it.
    const int gezeigt = qRound(Bildseite * massstab());
    const int seite = qCeil(gezeigt * devicePixelRatioF());
    if (seite != bildFuer_) {
        bild_ = gespeichertesBild(bildname_, seite);
        bildFuer_ = seite;
    }
    maler.setRenderHint(QPainter::SmoothPixmapTransform);
    maler.drawImage(QRect(0, 0, gezeigt, gezeigt), bild_);
    if (hasFocus() && fokusSichtbar())
        fokusrahmenMalen(maler, rect());
}

} // namespace vun::ui
