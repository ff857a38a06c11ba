#include "ui/vorlesezeichen.h"

#include <QAction>
#include <QPainter>
#include <QPainterPath>

namespace vun::ui {

Vorlesezeichen::Vorlesezeichen(QAction& vorlesen, QWidget* eltern) : QLabel(eltern) {
    setObjectName(QStringLiteral("Vorlesezeichen"));
    setAccessibleName(QStringLiteral("Vorlesen an"));
    setToolTip(QStringLiteral("Vorlesen an (Strg+L schaltet aus)"));
    setVisible(vorlesen.isChecked());
    connect(&vorlesen, &QAction::toggled, this, &QWidget::setVisible);
}

// Drawn at any size in a square of 16 units: the box and cone of a speaker, two waves before it.
void Vorlesezeichen::paintEvent(QPaintEvent*) {
    QPainter maler(this);
    maler.setRenderHint(QPainter::Antialiasing);
    const qreal seite = qMin(width(), height());
    maler.translate((width() - seite) / 2, (height() - seite) / 2);
    maler.scale(seite / 16, seite / 16);
    const QColor farbe = palette().color(QPalette::WindowText);
    QPainterPath lautsprecher;
    lautsprecher.moveTo(1.5, 5.5);
    lautsprecher.lineTo(4.5, 5.5);
    lautsprecher.lineTo(8.5, 2);
    lautsprecher.lineTo(8.5, 14);
    lautsprecher.lineTo(4.5, 10.5);
    lautsprecher.lineTo(1.5, 10.5);
    lautsprecher.closeSubpath();
    maler.fillPath(lautsprecher, farbe);
    maler.setPen(QPen(farbe, 1.4, Qt::SolidLine, Qt::RoundCap));
    maler.drawArc(QRectF(7, 5, 6, 6), -50 * 16, 100 * 16);
    maler.drawArc(QRectF(6, 2.5, 10, 11), -55 * 16, 110 * 16);
}

} // namespace vun::ui
