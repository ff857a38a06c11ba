// The sound checks on real files, one of each format made by its encoder, and on hostile ones:
// each format is told with its length; a file cut off, empty, of another kind, claiming hours,
// a pipe or a link to a device is refused with its line and reason, and none of them stalls.
#include "game/fehlergrund.h"
#include "sound/klangpruefung.h"
#include "tests/support/bildleser.h"
#include "tests/support/dateien.h"
#include "wordlist/klangeintrag.h"
#include "wordlist/wortdatei.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>

using namespace vun;
using namespace vun::test;

Q_DECLARE_METATYPE(vun::Klangformat)

namespace {

QByteArray probe(const QString& name) {
    QFile datei(QStringLiteral(VUN_KLANGPROBEN "/") + name);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
}

Klangbefund pruefen(const QByteArray& bytes) {
    QBuffer puffer;
    puffer.setData(bytes);
    puffer.open(QIODevice::ReadOnly);
    return klangPruefen(puffer);
}

// A FLAC stream whose STREAMINFO says it holds ten hours at 8 kHz.
QByteArray zehnStunden() {
    QByteArray flac = probe("ton.flac");
    const quint64 proben = 10ULL * 3600 * 8000;
    flac[4 + 4 + 13] = char((flac[4 + 4 + 13] & 0xF0) | ((proben >> 32) & 0x0F));
    for (int i = 0; i < 4; ++i)
        flac[4 + 4 + 14 + i] = char(proben >> (24 - 8 * i));
    return flac;
}

} // namespace

class TstKlangpruefung : public QObject {
    Q_OBJECT
private slots:
    // Each format by its content, whatever its name, with its length within the encoders'
    // padding of the quarter second made; cut off it is refused.
    void formate_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<Klangformat>("format");
        QTest::newRow("WAV") << "ton.wav" << Klangformat::Wav;
        QTest::newRow("FLAC") << "ton.flac" << Klangformat::Flac;
        QTest::newRow("Ogg Vorbis") << "ton.ogg" << Klangformat::Vorbis;
        QTest::newRow("Opus") << "ton.opus" << Klangformat::Opus;
        QTest::newRow("FLAC in Ogg") << "ton.oga" << Klangformat::OggFlac;
        QTest::newRow("MP3") << "ton.mp3" << Klangformat::Mp3;
        QTest::newRow("M4A") << "ton.m4a" << Klangformat::M4a;
    }
    void formate() {
        QFETCH(QString, name);
        QFETCH(Klangformat, format);
        const QByteArray bytes = probe(name);
        QVERIFY(!bytes.isEmpty());
        const Klangbefund befund = pruefen(bytes);
        QVERIFY(befund.abspielbar);
        QCOMPARE(befund.format, format);
        // An MP3's frames at 8 kHz last 72 ms each, and its encoder adds two or three.
        const qint64 hoechstens = format == Klangformat::Mp3 ? 450 : 330;
        QVERIFY2(befund.dauer >= 240 && befund.dauer <= hoechstens,
                 qPrintable(QString::number(befund.dauer)));
        for (const qsizetype laenge : {bytes.size() / 2 + 7, qsizetype(60), qsizetype(4)})
            QVERIFY2(!pruefen(bytes.first(laenge)).abspielbar, qPrintable(QString::number(laenge)));
    }

    // Each hostile file in a list is refused with its line and reason, at once.
    void feindlich() {
        QTemporaryDir tmp;
        const QDir ordner(tmp.path());
        const auto pfad = [&](const char* name) { return ordner.filePath(QLatin1String(name)); };
        QVERIFY(dateiSchreiben(pfad("ok.ogg"), probe("ton.ogg")));
        QVERIFY(dateiSchreiben(pfad("halb.ogg"), probe("ton.ogg").first(1500)));
        QVERIFY(dateiSchreiben(pfad("leer.wav"), {}));
        QVERIFY(::mkfifo(QFile::encodeName(pfad("rohr.opus")).constData(), 0644) == 0);
        QVERIFY(QFile::link("/dev/zero", pfad("null.flac")));
        QVERIFY(dateiSchreiben(pfad("lang.flac"), zehnStunden()));
        QVERIFY(dateiSchreiben(pfad("text.mp3"), QByteArray("Das ist kein Ton.\n").repeated(50)));
        QVERIFY(dateiSchreiben(pfad("wav.mp3"), probe("ton.wav")));
        const QStringList namen{"halb.ogg",  "text.mp3",  "rohr.opus",
                                "null.flac", "lang.flac", "leer.wav"};
        QStringList zeilen = nummeriert(9, "W%1 = ok.ogg + %1", 1);
        for (const QString& name : namen)
            zeilen << name + " = " + name.first(name.indexOf('.'));
        zeilen << "wav.mp3 = wav";
        QVERIFY(wortlisteSchreiben(pfad("LISTE.TXT"), zeilen));
        QElapsedTimer uhr;
        uhr.start();
        const Wortdatei d = wortdateiLesen(pfad("LISTE.TXT"), {keinBildleser(), Klangkopfleser()});
        QVERIFY2(uhr.elapsed() < 2000, "the checks stalled");
        QCOMPARE(d.fehler, Wortdateifehler::Keiner);
        QCOMPARE(d.eintraege.size(), 10); // a WAV named .mp3 plays: the content decides
        QCOMPARE(d.weggelasseneZeilen, 6);
        QCOMPARE(d.fehlerhafteKlaengeGesamt, 6);
        const QString keinKlang = QStringLiteral("ist keine Tondatei, die das Spiel abspielen "
                                                 "kann (leer, unvollständig oder in einem "
                                                 "anderen Format)");
        const QStringList erwartet{
            "Zeile 10: „halb.ogg“ " + keinKlang,
            "Zeile 11: „text.mp3“ " + keinKlang,
            "Zeile 12: „rohr.opus“ " + keinKlang,
            "Zeile 13: „null.flac“ liegt nicht im Ordner der Liste",
            "Zeile 14: „lang.flac“ ist zu lang: 10 Stunden",
        };
        const QStringList grund = weglassgrund(d).split('\n');
        QCOMPARE(grund.mid(1, 5), erwartet);
        QCOMPARE(grund.at(6), "… und eine weitere Tondatei.");
    }

    // Every sound the game ships plays, none longer than a few seconds.
    void mitgeliefert() {
        const SkriptBildleser bilder;
        const Klangkopfleser klaenge;
        const Wortdatei d =
            wortdateiLesen(QStringLiteral(VUN_WORTLISTEN "/HOEREN.TXT"), {bilder, klaenge});
        QCOMPARE(d.fehler, Wortdateifehler::Keiner);
        QCOMPARE(d.weggelasseneZeilen, 0);
        QCOMPARE(d.klaenge.size(), 20);
        for (const Klangstelle& stelle : d.klaenge) {
            QFile datei(stelle.pfad);
            QVERIFY(datei.open(QIODevice::ReadOnly));
            QVERIFY2(klangPruefen(datei).dauer < 4000, qPrintable(stelle.name));
        }
    }
};

QTEST_GUILESS_MAIN(TstKlangpruefung)
#include "tst_klangpruefung.moc"
