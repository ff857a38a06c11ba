#include "ui/karte.h"

#include "game/memo.h"
#include "look/gruppenbild.h"
#include "look/lautsprecher.h"
#include "pictures/bildvorrat.h"
#include "ui/aussehen.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <utility>

namespace vun::ui {

namespace {

const QColor Randfarbe = Qt::black; // the single thin line around a card
constexpr int Beschriftungsart = Qt::AlignCenter | Qt::TextWordWrap;

// The focus mark lies two pixels inside the border; the caption keeps clear of it. Both grow
// with the window's zoom.
constexpr int FokusAbstand = 3;
constexpr int TextAbstand = 5;

// Behind a picture: line drawings and clip-art with transparent parts show on it as on paper.
const QColor Bildgrund = Qt::white;

bool passt(const QFont& schrift, QRect feld, const QString& text) {
    const QSize noetig = QFontMetrics(schrift).boundingRect(feld, Beschriftungsart, text).size();
    return noetig.width() <= feld.width() && noetig.height() <= feld.height();
}

// The largest pixel size at which the text fits the field, wrapped at its blanks only: a word
// too wide for any line makes it smaller rather than being split. At most half the field's
// height, so that a short word does not fill a card alone.
QFont groessteSchrift(QFont schrift, QRect feld, const QString& text) {
    int klein = 4, gross = std::max(klein, feld.height() / 2);
    while (klein < gross) {
        const int mitte = (klein + gross + 1) / 2;
        schrift.setPixelSize(mitte);
        if (passt(schrift, feld, text))
            klein = mitte;
        else
            gross = mitte - 1;
    }
    schrift.setPixelSize(klein);
    return schrift;
}

// The mark of a word or picture that also plays a sound: a fifth of a square card's side, and on a
// flat strip most of its height, so that it shows on both.
constexpr double Klangzeichenanteil = 0.2;
constexpr double KlangzeichenHoechstens = 0.6;

} // namespace

Karte::Karte(const Memo& memo, int nummer, Eingabewache& eingabe, Bildvorrat& bilder,
             QWidget* eltern)
    : Schaltflaeche(eingabe, eltern), memo_(memo), nummer_(nummer), bilder_(bilder) {
    setObjectName(QStringLiteral("Bezeichnung%1").arg(nummer));
    gemeldeterName_ = zugangsname();
    connect(&memo, &Memo::karteGeaendert, this, [this](int karte) {
        if (karte == nummer_)
            modellGeaendert();
    });
    connect(&bilder_, &Bildvorrat::bereit, this, [this](const QString& pfad) {
        if (memo_.karte(nummer_).inhalt.bild == pfad)
            update();
    });
}

void Karte::ausloesen() {
    emit geklickt(nummer_);
}

QString Karte::zugangsname() const {
    const QString karte = QStringLiteral("Karte %1").arg(nummer_);
    const Karteninhalt& inhalt = memo_.karte(nummer_).inhalt;
    QString wort = inhalt.istBild()    ? QStringLiteral("Bild ") + bildname(inhalt.bild)
                   : inhalt.nurKlang() ? QStringLiteral("Klang")
                                       : inhalt.wort;
    if (inhalt.hatKlang() && !inhalt.nurKlang())
        wort += QStringLiteral(", mit Klang");
    switch (memo_.zustand(nummer_)) {
    case Kartenzustand::Verdeckt:
        return karte + QStringLiteral(", verdeckt");
    case Kartenzustand::Offen:
        return karte + QStringLiteral(": ") + wort;
    case Kartenzustand::Gefunden:
        return karte + QStringLiteral(": ") + wort + QStringLiteral(", gefunden");
    }
    return karte;
}

void Karte::modellGeaendert() {
    // A card just turned shows its picture as it will stay, never a stand-in of another size
    // that sharpens a moment later: a child comparing two cards would see one change.
    genau_ = memo_.karte(nummer_).inhalt.istBild();
    update();
    const QString name = zugangsname();
    if (name != gemeldeterName_) {
        gemeldeterName_ = name;
        nameGeaendert();
    }
}

QRect Karte::textfeld() const {
    const int abstand = qRound(TextAbstand * massstab());
    return rect().adjusted(abstand, abstand, -abstand, -abstand);
}

QRect Karte::klangzeichenfeld() const {
    const int seite = qRound(std::min(std::min(width(), height()) * KlangzeichenHoechstens,
                                      std::max(width(), height()) * Klangzeichenanteil));
    const int abstand = qRound(FokusAbstand * massstab()) + 1;
    return {width() - abstand - seite, abstand, seite, seite};
}

// A word beside the sound's mark keeps clear of it on both sides, so it stays centred.
QRect Karte::wortfeld() const {
    const Karteninhalt& inhalt = memo_.karte(nummer_).inhalt;
    if (!inhalt.hatKlang())
        return textfeld();
    const int rand = klangzeichenfeld().width();
    return textfeld().adjusted(rand, 0, -rand, 0);
}

QFont Karte::beschriftungsschrift() const {
    const Kartenbild& bild = memo_.karte(nummer_);
    QFont f = font();
    f.setItalic(bild.kursiv);
    if (memo_.brettform() == Brettform::Quadrate)
        return groessteSchrift(f, wortfeld(), bild.inhalt.wort);
    return passendeSchrift(f, wortfeld(), Beschriftungsart, bild.inhalt.wort);
}

// On the card's own colour, so it shows on a word's card and over a picture's corner alike.
void Karte::klangzeichenMalen(QPainter& maler, const Kartenbild& bild) {
    const QRectF feld = klangzeichenfeld();
    maler.save();
    maler.setRenderHint(QPainter::Antialiasing);
    maler.setPen(Qt::NoPen);
    maler.setBrush(farbe(bild.hintergrund));
    maler.drawEllipse(feld);
    maler.restore();
    const double rand = feld.width() * 0.18;
    lautsprecherMalen(maler, feld.adjusted(rand, rand, -rand, -rand), farbe(bild.textfarbe));
}

QSize Karte::bildfeld() const {
    return (QSizeF(textfeld().size()) * devicePixelRatioF()).toSize();
}

void Karte::bildVorbereiten() {
    const Karteninhalt inhalt = memo_.liste1().value(nummer_ - 1).inhalt;
    if (inhalt.istBild())
        bilder_.vorbereiten(inhalt.bild, bildfeld());
}

void Karte::resizeEvent(QResizeEvent* ereignis) {
    Schaltflaeche::resizeEvent(ereignis);
    bildVorbereiten();
}

void Karte::bildMalen(QPainter& maler, const QString& pfad) {
    const QSize pixel = bildfeld();
    const QImage bild = bilder_.bild(pfad, pixel, std::exchange(genau_, false));
    const QRect feld = textfeld();
    if (bild.isNull()) {
        const QString name = bildname(pfad);
        maler.setFont(passendeSchrift(font(), feld, Beschriftungsart, name));
        maler.drawText(feld, Beschriftungsart, name);
        return;
    }
    const double dichte = devicePixelRatioF();
    const bool passend = bild.width() <= pixel.width() && bild.height() <= pixel.height() &&
                         (bild.width() >= pixel.width() - 1 || bild.height() >= pixel.height() - 1);
    if (!passend) {
        // The size before, until the picture for this size is decoded.
        const QRectF ziel = eingepasst(QSizeF(bild.size()), QRectF(feld));
        maler.fillRect(ziel, Bildgrund);
        maler.setRenderHint(QPainter::SmoothPixmapTransform);
        maler.drawImage(ziel, bild);
        return;
    }
    // Pixel for pixel: the picture was decoded at the size it has on the screen, and starts on
    // a whole device pixel.
    const QSizeF groesse = QSizeF(bild.size()) / dichte;
    const auto ecke = [dichte](double anfang, double platz, double laenge) {
        return std::floor((anfang + (platz - laenge) / 2) * dichte) / dichte;
    };
    const QRectF ziel(QPointF(ecke(feld.x(), feld.width(), groesse.width()),
                              ecke(feld.y(), feld.height(), groesse.height())),
                      groesse);
    maler.fillRect(ziel, Bildgrund);
    maler.drawImage(ziel, bild);
}

void Karte::paintEvent(QPaintEvent*) {
    const Kartenbild& bild = memo_.karte(nummer_);
    QPainter maler(this);
    // The border is filled rather than stroked, so it stays one crisp line at any scale.
    maler.fillRect(rect(), Randfarbe);
    maler.fillRect(rect().adjusted(1, 1, -1, -1), farbe(bild.hintergrund));
    maler.setPen(farbe(bild.textfarbe));
    if (bild.inhalt.nurKlang()) {
        lautsprecherMalen(maler, textfeld(), farbe(bild.textfarbe));
    } else if (bild.inhalt.istBild()) {
        bildMalen(maler, bild.inhalt.bild);
    } else {
        maler.setFont(beschriftungsschrift());
        maler.drawText(wortfeld(), Beschriftungsart, bild.inhalt.wort);
    }
    finderMalen(maler, bild.finder);
    if (bild.inhalt.hatKlang() && !bild.inhalt.nurKlang())
        klangzeichenMalen(maler, bild);
    if (hasFocus() && fokusSichtbar()) {
        const int abstand = qRound(FokusAbstand * massstab());
        fokusrahmenMalen(maler, rect().adjusted(abstand, abstand, -abstand, -abstand));
    }
}

// In group play a found card wears the finder's colour as a rim inside its border and the
// finder's symbol in its top left corner, so the class sees whose pairs lie where.
void Karte::finderMalen(QPainter& maler, int gruppe) const {
    if (gruppe < 1 || gruppe > MaxGruppen)
        return;
    const QColor f = farbe(gruppenfarbe(gruppe));
    const int dicke = std::max(2, qRound(3 * massstab()));
    const QRect innen = rect().adjusted(1, 1, -1, -1);
    const QRegion rim =
        QRegion(innen).subtracted(QRegion(innen.adjusted(dicke, dicke, -dicke, -dicke)));
    for (const QRect& r : rim)
        maler.fillRect(r, f);
    const double seite =
        std::min(width(), height()) * (memo_.brettform() == Brettform::Quadrate ? 0.22 : 0.5);
    const QRectF feld(innen.left() + dicke + 1, innen.top() + dicke + 1, seite, seite);
    gruppensymbolMalen(maler, gruppensymbol(gruppe), feld, f, Qt::black);
}

int Karte::nachbar(int nummer, int taste, Brettform form, int paare) {
    switch (taste) {
    case Qt::Key_Up:
        return vun::nachbar(form, paare, nummer, Richtung::Hoch);
    case Qt::Key_Down:
        return vun::nachbar(form, paare, nummer, Richtung::Runter);
    case Qt::Key_Left:
        return vun::nachbar(form, paare, nummer, Richtung::Links);
    case Qt::Key_Right:
        return vun::nachbar(form, paare, nummer, Richtung::Rechts);
    default:
        return nummer;
    }
}

void Karte::keyPressEvent(QKeyEvent* ereignis) {
    const int taste = ereignis->key();
    if (taste != Qt::Key_Up && taste != Qt::Key_Down && taste != Qt::Key_Left &&
        taste != Qt::Key_Right) {
        Schaltflaeche::keyPressEvent(ereignis);
        return;
    }
    tastaturBenutzen(true);
    const int ziel = nachbar(nummer_, taste, memo_.brettform(), memo_.paarzahl());
    if (ziel != nummer_)
        emit weiter(ziel);
    ereignis->accept();
}

} // namespace vun::ui
