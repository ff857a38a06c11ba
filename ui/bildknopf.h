#pragma once

#include "schaltflaeche.h"

#include <QColor>
#include <QSvgRenderer>

namespace vun::ui {

// A picture button: a flat coloured rectangle with a 32 x 32 picture at its top-left corner.
// The picture is drawn from its SVG on every paint, so it is sharp at any scale. Screen
// readers know it by its accessible name, which the window sets.
class Bildknopf : public Schaltflaeche {
    Q_OBJECT
public:
    Bildknopf(const QString& name, const QString& bild, QRect rahmen, QColor hintergrund,
              QWidget* eltern);

    static constexpr int Bildseite = 32;

    void ausloesen() override { emit geklickt(); }

signals:
    void geklickt();

protected:
    void paintEvent(QPaintEvent* ereignis) override;

private:
    QSvgRenderer bild_;
    QColor hintergrund_;
};

} // namespace vun::ui
