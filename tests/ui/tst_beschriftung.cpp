// Captions on the cards: centred both ways, in the card font when they fit, smaller only on the
// card whose caption would not fit otherwise, and always shown whole.
#include "tests/support/fensterhilfe.h"

using namespace vun;
using namespace vun::test;

namespace {

const QString Kapitaen = QStringLiteral("Donaudampfschifffahrtsgesellschaftskapitän");
const QString Gesetz =
    QStringLiteral("Rindfleischetikettierungsüberwachungsaufgabenübertragungsgesetz");
const QString Zweizeilig = QStringLiteral("Guten Morgen liebe Sorgen seid ihr auch schon alle da");

QStringList woerter() {
    return {Kapitaen, Gesetz, Zweizeilig, "Haus", "Maus", "Laus", "Baum", "Raum", "Traum"};
}

// The box around the word as drawn: white text smoothed into a dark blue or cyan card, told
// apart from the black and yellow of border and focus mark by its red and blue together.
// The rectangle the card's caption covers in the font it is drawn in.
QRect rahmen(const ui::Karte* karte, const QString& text) {
    return QFontMetrics(karte->beschriftungsschrift())
        .boundingRect(karte->textfeld(), Qt::AlignCenter | Qt::TextWordWrap, text);
}

QRect tinte(QWidget* karte) {
    const QImage bild = karte->grab().toImage();
    QRect box;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x) {
            const QColor c = bild.pixelColor(x, y);
            if (c.red() > 60 && c.blue() > 100)
                box |= QRect(x, y, 1, 1);
        }
    return box;
}

} // namespace

class TstBeschriftung : public QObject {
    Q_OBJECT
private slots:
    // Each long word fits its card open and found; the other cards keep the card font.
    void langeWoerterGanz_data() {
        QTest::addColumn<QString>("wort");
        QTest::newRow("Kapitän") << Kapitaen;
        QTest::newRow("Gesetz") << Gesetz;
        QTest::newRow("mehrere Wörter") << Zweizeilig;
    }
    void langeWoerterGanz() {
        QFETCH(QString, wort);
        FensterSpiel s(woerter());
        const QList<int> paar = s.paarVon(wort);
        const int kurz = s.paarVon(QStringLiteral("Haus")).at(0);
        for (int k : paar) {
            s.klickKarte(k);
            ui::Karte* karte = s.karte(k);
            const QFont f = karte->beschriftungsschrift();
            QVERIFY2(f.pixelSize() < 18, qPrintable(QString::number(f.pixelSize())));
            QVERIFY(f.bold());
            QVERIFY2(karte->textfeld().contains(rahmen(karte, wort)), qPrintable(wort));
            // Just enough: one pixel larger would not fit.
            QFont groesser = f;
            groesser.setPixelSize(f.pixelSize() + 1);
            const QSize noetig =
                QFontMetrics(groesser)
                    .boundingRect(karte->textfeld(), Qt::AlignCenter | Qt::TextWordWrap, wort)
                    .size();
            QVERIFY(noetig.width() > karte->textfeld().width() ||
                    noetig.height() > karte->textfeld().height());
            // As drawn: inside the field, and spread over most of its width.
            const QRect gemalt = tinte(karte);
            QVERIFY(karte->textfeld().adjusted(-1, -1, 1, 1).contains(gemalt));
            QVERIFY2(gemalt.width() > karte->textfeld().width() * 3 / 4,
                     qPrintable(QString::number(gemalt.width())));
        }
        QCOMPARE(s.memo.zustand(paar[1]), Kartenzustand::Gefunden);
        s.klickKarte(kurz);
        QVERIFY(s.karte(paar[0])->textfeld().contains(rahmen(s.karte(paar[0]), wort)));
        QCOMPARE(s.karte(kurz)->beschriftungsschrift().pixelSize(), 18);
        for (int k = 1; k <= 18; ++k)
            if (!paar.contains(k))
                QCOMPARE(s.karte(k)->beschriftungsschrift().pixelSize(), 18);
    }

    // A word that fits stays in the card font and stands in the middle of the card.
    void kurzesWortMittig() {
        FensterSpiel s(woerter());
        const int k = s.paarVon(QStringLiteral("Traum")).at(0);
        s.klickKarte(k);
        ui::Karte* karte = s.karte(k);
        QCOMPARE(karte->beschriftungsschrift(), karte->font());
        const QRect gemalt = tinte(karte);
        const QPoint mitte = karte->rect().center();
        QVERIFY2(qAbs(gemalt.center().x() - mitte.x()) <= 2,
                 qPrintable(QString::number(gemalt.center().x())));
        QVERIFY2(qAbs(gemalt.center().y() - mitte.y()) <= 3,
                 qPrintable(QString::number(gemalt.center().y())));
    }

    void schriftPasstSichAn() {
        const QFont karte = schrift(13.5, true);
        const QRect feld(0, 0, 199, 23);
        const int art = Qt::AlignCenter | Qt::TextWordWrap;
        QCOMPARE(passendeSchrift(karte, feld, art, QStringLiteral("Apfel")), karte);
        QCOMPARE(passendeSchrift(karte, feld, art, QString()), karte);
        const QFont klein = passendeSchrift(karte, feld, art, Gesetz);
        QVERIFY(klein.pixelSize() < karte.pixelSize() && klein.pixelSize() >= 4);
        QCOMPARE(klein.bold(), karte.bold());
        QCOMPARE(klein.family(), karte.family());
        // A field nothing fits into: the smallest size, and no endless loop.
        QCOMPARE(passendeSchrift(karte, QRect(0, 0, 2, 2), art, Gesetz).pixelSize(), 4);
    }
};

QTEST_MAIN(TstBeschriftung)
#include "tst_beschriftung.moc"
