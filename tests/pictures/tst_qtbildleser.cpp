// The program's picture reader on good and hostile pictures, made here in a folder of their own:
// each gives its reason through the list it stands in, quickly, without decoding what is too
// large, expanding entities or fetching anything.
#include "pictures/qtbildleser.h"

#include "tests/support/dateien.h"
#include "tests/support/klangleser.h"
#include "wordlist/wortdatei.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QtTest>
#include <optional>
#include <sys/stat.h>

using namespace vun;

Q_DECLARE_METATYPE(std::optional<vun::Bildfehler>)

namespace {

QByteArray bild(const char* format, QSize groesse = {40, 30}) {
    QImage i(groesse, QImage::Format_RGB32);
    i.fill(Qt::darkGreen);
    QByteArray bytes;
    QBuffer puffer(&bytes);
    puffer.open(QIODevice::WriteOnly);
    i.save(&puffer, format);
    return bytes;
}

quint32 crc32(const QByteArray& b) {
    quint32 c = 0xFFFFFFFFu;
    for (char z : b) {
        c ^= uchar(z);
        for (int k = 0; k < 8; ++k)
            c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    }
    return ~c;
}

QByteArray be32(quint32 v) {
    const char b[] = {char(v >> 24), char(v >> 16), char(v >> 8), char(v)};
    return QByteArray(b, 4);
}

// A real PNG whose header claims another size, its checksum put right.
QByteArray pngDerBehauptet(int breite, int hoehe) {
    QByteArray png = bild("png");
    const QByteArray ihdr = "IHDR" + be32(quint32(breite)) + be32(quint32(hoehe)) + png.mid(24, 5);
    png.replace(12, 17, ihdr);
    png.replace(29, 4, be32(crc32(ihdr)));
    return png;
}

// A GIF of that many 1x1 frames: only the first is shown.
QByteArray gif(int bilder) {
    static const char kopf[] = "GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\xff\xff\x00\x00\x00";
    // A frame: its control extension, its descriptor and its data.
    static const char einzelbild[] = "!\xf9\x04\x00\x01\x00\x00\x00"
                                     ",\x00\x00\x00\x00\x01\x00\x01\x00\x00"
                                     "\x02\x02\x44\x01\x00";
    QByteArray g(kopf, sizeof kopf - 1);
    for (int i = 0; i < bilder; ++i)
        g += QByteArray(einzelbild, sizeof einzelbild - 1);
    return g + ';';
}

QByteArray svg(const QByteArray& innen, const QByteArray& davor = {}) {
    return davor +
           "<svg xmlns='http://www.w3.org/2000/svg' "
           "xmlns:xlink='http://www.w3.org/1999/xlink' width='40' height='30'>" +
           innen + "</svg>";
}

const QByteArray Milliarde =
    "<?xml version='1.0'?><!DOCTYPE svg [<!ENTITY a 'hahahahaha'>"
    "<!ENTITY b '&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;'><!ENTITY c '&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;'>"
    "<!ENTITY d '&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;'><!ENTITY e '&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;'>"
    "<!ENTITY f '&e;&e;&e;&e;&e;&e;&e;&e;&e;&e;'><!ENTITY g '&f;&f;&f;&f;&f;&f;&f;&f;&f;&f;'>]>";

} // namespace

class TstQtBildleser : public QObject {
    Q_OBJECT
private slots:
    void bilder_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<std::optional<Bildfehler>>("fehler");
        QTest::addColumn<QSize>("groesse");
        const std::optional<Bildfehler> gut;
        const QSize normal(40, 30);
        const QByteArray png = bild("png"), jpeg = bild("jpeg");
        QTest::newRow("PNG") << "a.png" << png << gut << normal;
        QTest::newRow("JPEG") << "a.jpg" << jpeg << gut << normal;
        QTest::newRow("BMP") << "a.bmp" << bild("bmp") << gut << normal;
        QTest::newRow("GIF") << "a.gif" << gif(1) << gut << QSize(1, 1);
        QTest::newRow("SVG") << "a.svg"
                             << svg("<defs><linearGradient id='v'/></defs><rect width='9' "
                                    "height='9' fill='url(#v)'/>")
                             << gut << normal;
        QTest::newRow("JPEG als .png") << "a.png" << jpeg << gut << normal;
        QTest::newRow("PNG mit Anhang") << "a.png" << png + "Anhang" << gut << normal;
        QTest::newRow("JPEG mit Anhang")
            << "a.jpg" << jpeg + QByteArray(300, '\xFF') + "x" << gut << normal;
        QTest::newRow("GIF mit 20000 Bildern") << "a.gif" << gif(20000) << gut << QSize(1, 1);
        QTest::newRow("SVG mit kurzen Entitäten")
            << "a.svg" << svg("<g/>", "<!DOCTYPE svg [<!ENTITY ns 'http://x.example/'>]>") << gut
            << normal;
        const std::optional<Bildfehler> kein = Bildfehler::KeinBild;
        QTest::newRow("PNG abgeschnitten")
            << "a.png" << png.first(png.size() / 2) << kein << QSize();
        QTest::newRow("PNG ohne IEND") << "a.png" << png.first(png.size() - 12) << kein << QSize();
        QTest::newRow("JPEG abgeschnitten")
            << "a.jpg" << jpeg.first(jpeg.size() - 40) << kein << QSize();
        QTest::newRow("JPEG nur Kopf") << "a.jpg" << jpeg.first(200) << kein << QSize();
        const QByteArray bmp = bild("bmp");
        QTest::newRow("BMP abgeschnitten")
            << "a.bmp" << bmp.first(bmp.size() / 2) << kein << QSize();
        QTest::newRow("GIF abgeschnitten") << "a.gif" << gif(1).first(30) << kein << QSize();
        QTest::newRow("leer") << "a.png" << QByteArray() << kein << QSize();
        QTest::newRow("Text als .png") << "a.png" << QByteArray("Hund\r\n") << kein << QSize();
        QTest::newRow("Nullen") << "a.png" << QByteArray(4096, '\0') << kein << QSize();
        QTest::newRow("SVG Milliarde Lacher")
            << "a.svg" << svg("<text>&g;</text>", Milliarde) << kein << QSize();
        // Each harmless alone; so many are no drawing's, and the limit on them is what refuses.
        QByteArray entitaeten;
        for (int i = 0; i < 65; ++i)
            entitaeten += "<!ENTITY e" + QByteArray::number(i) + " 'x'>";
        QTest::newRow("SVG mit 65 Entitäten")
            << "a.svg" << svg("<g/>", "<!DOCTYPE svg [" + entitaeten + "]>") << kein << QSize();
        QTest::newRow("SVG Entität nach außen")
            << "a.svg"
            << svg("<text>&x;</text>", "<!DOCTYPE svg [<!ENTITY x SYSTEM "
                                       "'file:///etc/passwd'>]>")
            << kein << QSize();
        QTest::newRow("SVG Bild nach außen")
            << "a.svg" << svg("<image href='file:///etc/passwd' width='9' height='9'/>") << kein
            << QSize();
        QTest::newRow("SVG Verweis nach außen")
            << "a.svg" << svg("<use xlink:href='andere.svg#x'/>") << kein << QSize();
        QTest::newRow("SVG Stil nach außen")
            << "a.svg" << svg("<style>rect { fill: url( 'http://x.example/a' ) }</style>") << kein
            << QSize();
        QTest::newRow("SVG im Kreis")
            << "a.svg" << svg("<g id='a'><g id='b'><use href='#c'/></g></g><use id='c' href='#a'/>")
            << kein << QSize();
        QByteArray viele = "<g id='g0'><rect width='1' height='1'/></g>";
        for (int i = 1; i < 12; ++i)
            viele += QStringLiteral("<g id='g%1'>").arg(i).toLatin1() +
                     QStringLiteral("<use href='#g%1'/>").arg(i - 1).toLatin1().repeated(4) +
                     "</g>";
        QTest::newRow("SVG vervielfacht") << "a.svg" << svg(viele) << kein << QSize();
        QTest::newRow("SVG ohne <svg>") << "a.svg" << QByteArray("<html/>") << kein << QSize();
        QTest::newRow("SVG kaputt") << "a.svg" << svg("<g>") << kein << QSize();
        QTest::newRow("PNG 60000 x 60000")
            << "a.png" << pngDerBehauptet(60000, 60000) << std::optional(Bildfehler::ZuGross)
            << QSize(60000, 60000);
        QTest::newRow("PNG 2000 x 1500, Daten für 40 x 30")
            << "a.png" << pngDerBehauptet(2000, 1500) << std::optional(Bildfehler::KeinBild)
            << QSize(2000, 1500);
    }
    void bilder() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(std::optional<Bildfehler>, fehler);
        QFETCH(QSize, groesse);
        const QtBildleser leser;
        QBuffer puffer(&bytes);
        QVERIFY(puffer.open(QIODevice::ReadOnly));
        QElapsedTimer uhr;
        uhr.start();
        const Bildbefund befund = leser.pruefen(puffer, name);
        QVERIFY2(uhr.elapsed() < 500, qPrintable(QString::number(uhr.elapsed())));
        QCOMPARE(befund.lesbar, !fehler);
        if (groesse.isValid())
            QCOMPARE(befund.groesse, groesse);

        // The same through a list, as the program reads it.
        QTemporaryDir tmp;
        const QDir ordner(tmp.path());
        QVERIFY(test::dateiSchreiben(ordner.filePath(name), bytes));
        QVERIFY(test::wortlisteSchreiben(ordner.filePath("L.TXT"), QStringList{"Bild = " + name} +
                                                                       test::nummeriertePaare(8)));
        const Wortdatei d = wortdateiLesen(ordner.filePath("L.TXT"), leser);
        if (fehler)
            QCOMPARE(d.fehlerhafteBilder, (QList<FehlerhaftesBild>{{1, *fehler, name}}));
        else
            QCOMPARE(d.fehler, Wortdateifehler::Keiner);
    }

    // A folder, a link to /dev/zero and a pipe named like pictures: told without being read.
    void keineDateien() {
        QTemporaryDir tmp;
        const QDir ordner(tmp.path());
        QVERIFY(ordner.mkdir("ordner.png"));
        QVERIFY(QFile::link("/dev/zero", ordner.filePath("null.png")));
        QVERIFY(::mkfifo(QFile::encodeName(ordner.filePath("rohr.png")).constData(), 0644) == 0);
        QVERIFY(
            test::wortlisteSchreiben(ordner.filePath("L.TXT"),
                                     QStringList{"a = ordner.png", "b = null.png", "c = rohr.png"} +
                                         test::nummeriertePaare(6)));
        const Wortdatei d = wortdateiLesen(ordner.filePath("L.TXT"), QtBildleser());
        QCOMPARE(d.fehlerhafteBilder,
                 (QList<FehlerhaftesBild>{{1, Bildfehler::Ordner, "ordner.png"},
                                          {2, Bildfehler::Ausserhalb, "null.png"},
                                          {3, Bildfehler::KeinBild, "rohr.png"}}));
    }

    // WebP where Qt's plugin is installed (the package depends on it).
    void webp() {
        if (!QImageWriter::supportedImageFormats().contains("webp"))
            QSKIP("Qt's WebP plugin is not installed");
        const QByteArray w = bild("webp");
        QBuffer puffer;
        puffer.setData(w);
        puffer.open(QIODevice::ReadOnly);
        QVERIFY(QtBildleser().pruefen(puffer, "a.webp").lesbar);
        puffer.close();
        puffer.setData(w.first(w.size() / 2));
        puffer.open(QIODevice::ReadOnly);
        QVERIFY(!QtBildleser().pruefen(puffer, "a.webp").lesbar);
    }

    // A phone's and a camera's formats, told by their content: read where Qt has the plugin,
    // else named as the format no reader here takes. TIFF as Qt writes it (the package depends on
    // its plugin); HEIC and AVIF by the first box of their file, which no plugin decodes.
    void fotoformate_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("qtName");
        QTest::addColumn<int>("format");
        QTest::addColumn<bool>("bild");
        const QByteArray tiff = QImageWriter::supportedImageFormats().contains("tiff")
                                    ? bild("tiff")
                                    : QByteArray("II*\0\x08\0\0\0", 8);
        QTest::newRow("TIFF") << tiff << QByteArray("tiff") << int(Fotoformat::Tiff) << true;
        const QByteArray ftyp("\0\0\0\x1C"
                              "ftypmif1\0\0\0\0mif1heicmiaf",
                              28);
        QTest::newRow("HEIC") << ftyp << QByteArray("heif") << int(Fotoformat::Heic) << false;
        QByteArray avif = ftyp;
        avif.replace("heic", "avif");
        QTest::newRow("AVIF") << avif << QByteArray("avif") << int(Fotoformat::Avif) << false;
        QTest::newRow("JPEG XL") << QByteArray("\xFF\x0A\xFA\x7F", 4) << QByteArray("jxl")
                                 << int(Fotoformat::Jxl) << false;
    }
    void fotoformate() {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, qtName);
        QFETCH(int, format);
        QFETCH(bool, bild);
        QBuffer puffer;
        puffer.setData(bytes);
        puffer.open(QIODevice::ReadOnly);
        const Bildbefund befund = QtBildleser().pruefen(puffer, "foto");
        if (!QImageReader::supportedImageFormats().contains(qtName)) {
            QCOMPARE(int(befund.ohneLeser), format);
            QVERIFY(!befund.lesbar);
            return;
        }
        QCOMPARE(befund.ohneLeser, Fotoformat::Keines);
        QCOMPARE(befund.lesbar, bild);
        if (bild)
            QCOMPARE(befund.groesse, QSize(40, 30));
    }

    // Every list that ships with the game shows all its pictures (its sounds taken as they
    // come: their checks have tests of their own).
    void mitgelieferteListen() {
        const QDir ordner(QStringLiteral(VUN_WORTLISTEN));
        const test::SkriptKlangleser klaenge;
        for (const QString& name : wortlistenDateien(ordner))
            QVERIFY2(wortdateiLesen(ordner.filePath(name), {QtBildleser(), klaenge}).fehler ==
                         Wortdateifehler::Keiner,
                     qPrintable(name));
    }
};

QTEST_MAIN(TstQtBildleser)
#include "tst_qtbildleser.moc"
