#pragma once

#include <QColor>
#include <QSvgRenderer>
#include <QWidget>

namespace vun::ui {

// A picture button: a flat coloured rectangle with a 32 x 32 picture at its top-left corner.
// The picture is drawn from its SVG on every paint, so it is sharp at any scale.
class Bildknopf : public QWidget {
    Q_OBJECT
public:
    Bildknopf(const QString& name, const QString& bild, QRect rahmen, QColor hintergrund,
              QWidget* eltern);

    static constexpr int Bildseite = 32;

signals:
    void geklickt();

protected:
    void paintEvent(QPaintEvent* ereignis) override;
    void mouseReleaseEvent(QMouseEvent* ereignis) override;

private:
    QSvgRenderer bild_;
    QColor hintergrund_;
};

} // namespace vun::ui
