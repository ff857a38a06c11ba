#include "ui/brettlage.h"

#include "look/gruppenbild.h"

#include <algorithm>

namespace vun::ui {

namespace {

// A square card at 100 %: its picture field of 130 pixels holds a photo of 4:3 or of 3:4 at
// 130 x 97 or 97 x 130, large enough to tell apart from across a table.
constexpr int Seite = 140;
// The gap between two cards, as between the strips; the same margin right and below as above.
constexpr int Luecke = 7;
constexpr int Rand = 16;

Gitter streifen(int paare) {
    const QRect erste = twips(960, 240, 3135, 495);
    return {raster(Brettform::Streifen, paare), erste.topLeft(), erste.size(),
            twips(0, 0, 3240, 600).width() - erste.width()};
}

Gitter quadrate(int paare) {
    return {raster(Brettform::Quadrate, paare), {}, {Seite, Seite}, Luecke};
}

QSize ohneGruppen(Brettform form, int paare) {
    if (form == Brettform::Streifen)
        return Streifenentwurf;
    const QSize brett = quadrate(paare).groesse();
    return {Brettlinks + brett.width() + Rand,
            std::max(Streifenentwurf.height(), brett.height() + 2 * Rand)};
}

int streifenhoehe(int gruppen) {
    return gruppen > 0 ? streifenzeilen(gruppen) * Gruppenzeile : 0;
}

} // namespace

QSize brettEntwurf(Brettform form, int paare, int gruppen) {
    const QSize brett = ohneGruppen(form, paare);
    return gruppen > 0 ? brett + QSize(0, streifenhoehe(gruppen) + Rand / 2) : brett;
}

QRect gruppenstreifenrahmen(Brettform form, int paare, int gruppen) {
    const QSize brett = ohneGruppen(form, paare);
    return {Brettlinks, brett.height(), brett.width() - Brettlinks - Rand, streifenhoehe(gruppen)};
}

QRect gruppenstreifenUnten(QRect flaeche, int hoehe, int luecke) {
    return {flaeche.left() + luecke, flaeche.bottom() + 1 - luecke - hoehe,
            flaeche.width() - 2 * luecke, hoehe};
}

QRect kartenrahmen(Brettform form, int paare, int nummer) {
    const Zelle z = zelle(form, paare, nummer);
    if (form == Brettform::Streifen)
        return streifen(paare).rahmen(z);
    Gitter g = quadrate(paare);
    g.ecke = {Brettlinks, (brettEntwurf(form, paare).height() - g.groesse().height()) / 2};
    return g.rahmen(z);
}

Gitter quadrateIn(int paare, QRect flaeche, int luecke) {
    const Raster r = raster(Brettform::Quadrate, paare);
    const QRect innen = flaeche.adjusted(luecke, luecke, -luecke, -luecke);
    Gitter g{r, {}, {}, luecke};
    g.karte = QSize(std::max(1, (innen.width() - (r.spalten - 1) * luecke) / r.spalten),
                    std::max(1, (innen.height() - (r.zeilen - 1) * luecke) / r.zeilen));
    const QSize rest = innen.size() - g.groesse();
    g.ecke = innen.topLeft() + QPoint(rest.width() / 2, rest.height() / 2);
    return g;
}

} // namespace vun::ui
