// Where the main window's children stand: the tool column from its design table, the board from
// the game's form and number of pairs (ui/brettlage.h), at the zoom's factor or filling the screen.
#include "ui/hauptfenster.h"

#include "look/gruppenbild.h"
#include "ui/bildknopf.h"
#include "ui/brettlage.h"
#include "ui/dateiliste.h"
#include "ui/extras.h"
#include "ui/gruppenstreifen.h"
#include "ui/karte.h"
#include "ui/massstab.h"
#include "ui/vergroesserung.h"

#include <QLabel>
#include <cmath>

namespace vun::ui {

namespace {

// The design, in twips: tool i at 120 + 960 * i.
constexpr QRect knopfrahmen(int i) {
    return twips(120, 120 + 960 * i, 495, 495);
}
constexpr QRect beschriftungsrahmen(int i) {
    return twips(120, 600 + 960 * i, 495, 255);
}
constexpr QRect Saeulenrahmen(0, 0, 735 / TwipsProPixel, Saeulenhoehe);
// A 2 pixel line drawn at x = 48 covers the pixel columns 47 and 48.
constexpr QRect Linienrahmen(720 / TwipsProPixel - 1, 0, 2, 5760 / TwipsProPixel);
constexpr QRect Listenrahmen = twips(600, 720, 1815, 3630);
// The loudspeaker while Vorlesen is on: at the foot of the tool column, below the last label.
constexpr QRect Vorlesezeichenrahmen = twips(262, 5580, 210, 210);

void lageSetzen(QWidget* kind, QRect rahmen) {
    if (kind->geometry() != rahmen)
        kind->setGeometry(rahmen);
}

} // namespace

void Hauptfenster::anordnen(const Anordnung& gross) {
    // Squares in full screen fill the screen: the caption and the tool column at its edges, the
    // cards as large as the rest allows rather than the design scaled as a whole.
    const bool fuellen = gross.vollbild && memo_.brettform() == Brettform::Quadrate;
    Anordnung a = gross;
    if (fuellen)
        a.versatz = {};
    a.setzen(kopf_, QRect(0, 0, Streifenentwurf.width(), Kopfhoehe), schrift(12, true));
    if (fuellen)
        lageSetzen(kopf_, QRect(0, 0, width(), kopf_->height()));
    kopf_->setVisible(gross.vollbild);
    if (gross.vollbild)
        a.versatz.ry() += qRound(Kopfhoehe * a.faktor);
    a.schriftSetzen(this, schrift(8.25, true));
    // The column's strip and line reach down as far as the board does.
    const int hoehe =
        fuellen ? int(std::ceil((height() - a.versatz.y()) / a.faktor))
                : brettEntwurf(memo_.brettform(), memo_.paarzahl(), gruppenzahl()).height();
    const int tiefer = std::max(0, hoehe - Streifenentwurf.height());
    a.setzen(figur1_, Saeulenrahmen.adjusted(0, 0, 0, tiefer));
    a.setzen(linie1_, Linienrahmen.adjusted(0, 0, 0, tiefer));
    if (fuellen)
        kartenFuellen(a);
    else
        kartenAnordnen(a);
    for (int i = 0; i < int(bilder_.size()); ++i) {
        a.setzen(beschriftungen_.at(i), beschriftungsrahmen(i));
        a.setzen(bilder_.at(i), knopfrahmen(i));
        bilder_.at(i)->setzeMassstab(a.faktor);
    }
    if (streifen_ && gruppenzahl() > 0 && !fuellen)
        a.setzen(streifen_,
                 gruppenstreifenrahmen(memo_.brettform(), memo_.paarzahl(), gruppenzahl()),
                 schrift(13.5, true));
    if (streifen_)
        streifen_->setVisible(gruppenzahl() > 0);
    if (datei1_)
        a.setzen(datei1_, Listenrahmen, schrift(9.75, true));
    if (vorlesezeichen_)
        a.setzen(vorlesezeichen_, Vorlesezeichenrahmen);
}

void Hauptfenster::kartenAnordnen(const Anordnung& a) {
    for (int n = 1; n <= memo_.kartenzahl(); ++n) {
        Karte* k = karte(n);
        // The scale first: a card's new size gets its picture ready for the field within the
        // margins of that scale.
        k->setzeMassstab(a.faktor);
        a.setzen(k, kartenrahmen(memo_.brettform(), memo_.paarzahl(), n), schrift(13.5, true));
    }
}

void Hauptfenster::kartenFuellen(const Anordnung& a) {
    const int saeule = skaliert(Saeulenrahmen, a.faktor).width();
    QRect frei(saeule, a.versatz.y(), width() - saeule, height() - a.versatz.y());
    const int luecke = std::max(1, qRound(Vollbildluecke * a.faktor));
    if (streifen_ && gruppenzahl() > 0) {
        // The strip along the foot, at the scale of the design; the cards above it.
        const QRect unten = gruppenstreifenUnten(
            frei, qRound(streifenzeilen(gruppenzahl()) * Gruppenzeile * a.faktor), luecke);
        lageSetzen(streifen_, unten);
        a.schriftSetzen(streifen_, schrift(13.5, true));
        frei.setBottom(unten.top() - 1);
    }
    const Gitter gitter = quadrateIn(memo_.paarzahl(), frei, luecke);
    for (int n = 1; n <= memo_.kartenzahl(); ++n) {
        Karte* k = karte(n);
        // Margins as at 100 %: every pixel the screen has goes to the picture.
        k->setzeMassstab(1.0);
        lageSetzen(k, gitter.rahmen(zelle(Brettform::Quadrate, memo_.paarzahl(), n)));
        a.schriftSetzen(k, schrift(13.5, true));
    }
}

// Another form or number: the cards beyond the board leave it and the keyboard's order, and the
// window takes the board's size.
void Hauptfenster::brettFolgen() {
    const int zahl = memo_.kartenzahl();
    if (auto* k = qobject_cast<Karte*>(focusWidget()); k && k->nummer() > zahl)
        karte(1)->setFocus(Qt::OtherFocusReason);
    if (brettkarte_ > zahl)
        brettkarte_ = 1;
    for (Karte* k : karten_)
        if (k->isHidden() == (k->nummer() <= zahl))
            k->setVisible(k->nummer() <= zahl);
    const QSize entwurf = brettEntwurf(memo_.brettform(), memo_.paarzahl(), gruppenzahl());
    if (entwurf != groesse_->entwurf())
        groesse_->setzeEntwurf(entwurf);
    else
        groesse_->anordnen();
    extras_->abgleichen();
}

int Hauptfenster::gruppenzahl() const {
    return int(memo_.gruppenspiel().gruppen().size());
}

void Hauptfenster::gruppenFolgen() {
    if (!streifen_ && gruppenzahl() > 0) {
        streifen_ = new Gruppenstreifen(memo_, this);
        streifen_->stackUnder(bilder_.front());
    }
    brettFolgen();
}

} // namespace vun::ui
