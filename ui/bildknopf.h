#pragma once

#include "ui/bildgroessen.h"
#include "ui/schaltflaeche.h"

#include <QColor>
#include <QImage>

namespace vun::ui {

// A picture button: a flat coloured rectangle with a 32 x 32 picture at its top-left corner,
// larger by the window's zoom. The picture is drawn from the stored size that fits the zoom and
// the screen's scale, so it stays sharp at any size. Screen readers know it by its accessible name,
// which the window sets.
class Bildknopf : public Schaltflaeche {
    Q_OBJECT
public:
    Bildknopf(const QString& name, const QString& bild, QColor hintergrund, Eingabewache& eingabe,
              QWidget* eltern);

    static constexpr int Bildseite = Knopfbildseite;

    void ausloesen() override { emit geklickt(); }

signals:
    void geklickt();

protected:
    void paintEvent(QPaintEvent* ereignis) override;

private:
    QString bildname_;
    QImage bild_; // as stored for the side in pixels below
    int bildFuer_ = 0;
    QColor hintergrund_;
};

} // namespace vun::ui
