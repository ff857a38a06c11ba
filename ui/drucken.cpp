#include "ui/drucken.h"

#include "game/druckbogen.h"
#include "game/fehlergrund.h"
#include "ui/aussehen.h"
#include "wordlist/wortdatei.h"

#include <QFileInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextStream>
#include <algorithm>

namespace vun::ui {

namespace {

// The painter draws in tenths of a millimetre: fine enough for font sizes in whole units.
constexpr double EinheitenProMm = 10.0;
constexpr int Textart = Qt::AlignCenter | Qt::TextWordWrap;

QRectF inEinheiten(const QRectF& mm) {
    return {mm.x() * EinheitenProMm, mm.y() * EinheitenProMm, mm.width() * EinheitenProMm,
            mm.height() * EinheitenProMm};
}

QPen schnittlinie() {
    QPen stift(QColor(150, 150, 150));
    stift.setWidthF(0.2 * EinheitenProMm);
    return stift;
}

// Large enough to read across a table, and small enough for any word to stay whole: a guess
// from the widest word, then the last steps down as the window's cards take them.
QFont kartenschrift(const QRect& feld, const QString& text) {
    QFont groesste = schrift(12, true);
    groesste.setPixelSize(std::min(feld.height() / 3, qRound(14 * EinheitenProMm)));
    const QFontMetricsF masse(groesste);
    qreal breitestes = 0;
    for (const QString& wort : text.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        breitestes = std::max(breitestes, masse.horizontalAdvance(wort));
    QFont geschaetzt = groesste;
    if (breitestes > feld.width())
        geschaetzt.setPixelSize(std::max(1, int(groesste.pixelSize() * feld.width() / breitestes)));
    return passendeSchrift(geschaetzt, feld, Textart, text);
}

void vorderseiteMalen(QPainter& maler, const Bogenraster& raster, const QStringList& karten,
                      int erste) {
    const int letzte = std::min<int>(karten.size(), erste + raster.proSeite());
    for (int i = erste; i < letzte; ++i) {
        const QRectF feld = inEinheiten(raster.karte(i - erste));
        maler.setPen(schnittlinie());
        maler.drawRect(feld);
        // A tenth of the shorter side as margin keeps the word clear of the scissors.
        const double rand = std::min(feld.width(), feld.height()) / 10;
        const QRect innen = feld.adjusted(rand, rand, -rand, -rand).toRect();
        maler.setFont(kartenschrift(innen, karten.at(i)));
        maler.setPen(Qt::black);
        maler.drawText(innen, Textart, karten.at(i));
    }
}

// Thin light diagonals: the backs look alike, and a sheet of them costs little ink.
void rueckseiteMalen(QPainter& maler, const Bogenraster& raster, int anzahl) {
    QPen muster(QColor(200, 200, 200));
    muster.setWidthF(0.15 * EinheitenProMm);
    const double abstand = 6 * EinheitenProMm;
    for (int platz = 0; platz < anzahl; ++platz) {
        const QRectF feld = inEinheiten(raster.karte(platz, true));
        maler.save();
        maler.setClipRect(feld);
        maler.setPen(muster);
        for (double x = feld.left() - feld.height(); x < feld.right(); x += abstand)
            maler.drawLine(QPointF(x, feld.bottom()), QPointF(x + feld.height(), feld.top()));
        maler.restore();
        maler.setPen(schnittlinie());
        maler.drawRect(feld);
    }
}

Bogenraster rasterFuer(const QPagedPaintDevice& geraet) {
    const QPageLayout layout = geraet.pageLayout();
    return bogenraster(layout.fullRect(QPageLayout::Millimeter).size(),
                       layout.paintRect(QPageLayout::Millimeter));
}

} // namespace

bool kartenMalen(QPagedPaintDevice& geraet, const QStringList& karten, bool rueckseiten,
                 const std::function<void()>& nachSeite) {
    const Bogenraster raster = rasterFuer(geraet);
    const QRectF druckbar = geraet.pageLayout().paintRect(QPageLayout::Millimeter);
    QPainter maler;
    if (!maler.begin(&geraet))
        return false;
    // The device's origin is the printable area's corner; the grid is measured from the paper's.
    maler.scale(geraet.logicalDpiX() / 25.4 / EinheitenProMm,
                geraet.logicalDpiY() / 25.4 / EinheitenProMm);
    maler.translate(-druckbar.left() * EinheitenProMm, -druckbar.top() * EinheitenProMm);
    const int seiten = raster.seiten(int(karten.size()));
    for (int seite = 0; seite < seiten; ++seite) {
        const int erste = seite * raster.proSeite();
        if (seite > 0 && !geraet.newPage())
            return false;
        vorderseiteMalen(maler, raster, karten, erste);
        if (rueckseiten) {
            if (!geraet.newPage())
                return false;
            rueckseiteMalen(maler, raster, std::min<int>(raster.proSeite(), karten.size() - erste));
        }
        if (nachSeite)
            nachSeite();
    }
    return maler.end();
}

bool istDruckbefehl(int argc, char** argv) {
    // Qt's own options may stand before it; they are taken out before the arguments are read.
    for (int i = 1; i < argc; ++i)
        if (qstrcmp(argv[i], "--drucken") == 0)
            return true;
    return false;
}

int druckbefehl(const QString& liste, const QString& ausgabe, QTextStream& fehler) {
    const Wortdatei datei = wortdateiLesen(liste);
    if (datei.fehler != Wortdateifehler::Keiner) {
        fehler << "vun-memory: Die Wortliste „" << liste << "“ lässt sich nicht drucken.\n"
               << zeilen(fehlergrund(datei)).trimmed() << "\n";
        return 1;
    }
    // Written over, the list would be lost for a PDF of itself.
    const QFileInfo ziel(ausgabe);
    if (ziel.exists() && ziel.canonicalFilePath() == QFileInfo(liste).canonicalFilePath()) {
        fehler << "vun-memory: „" << ausgabe
               << "“ ist die Wortliste selbst; die Karten brauchen eine eigene Datei.\n";
        return 1;
    }
    Wortliste woerter;
    woerter.ersetzen(datei.eintraege, datei.art);
    // Written beside the target and renamed at the end: a failure leaves nothing behind.
    QSaveFile pdfdatei(ausgabe);
    bool gemalt = pdfdatei.open(QIODevice::WriteOnly);
    if (gemalt) {
        QPdfWriter pdf(&pdfdatei);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
        pdf.setResolution(600);
        pdf.setTitle(QFileInfo(liste).completeBaseName());
        pdf.setCreator(QStringLiteral("VUN-Memory"));
        gemalt = kartenMalen(pdf, druckkarten(woerter), false);
    }
    if (!gemalt || !pdfdatei.commit()) {
        fehler << "vun-memory: „" << ausgabe
               << "“ lässt sich nicht schreiben: " << pdfdatei.errorString() << "\n";
        return 1;
    }
    return 0;
}

int druckbefehlAusfuehren(int argc, char** argv) {
    // No window is opened, so no display is needed whatever the desktop would choose.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication anwendung(argc, argv);
    QTextStream fehler(stderr);
    const QStringList argumente = QCoreApplication::arguments();
    if (argumente.size() != 4 || argumente.at(1) != QLatin1String("--drucken")) {
        fehler << "Aufruf: vun-memory --drucken LISTE.TXT AUSGABE.pdf\n";
        return 2;
    }
    return druckbefehl(argumente.at(2), argumente.at(3), fehler);
}

} // namespace vun::ui
