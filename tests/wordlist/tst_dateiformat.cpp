// The format of a word-list file: where lines end, what an entry is, how bytes become text,
// and which lists are usable.
#include "wordlist/dekodierung.h"
#include "wordlist/wortdatei.h"

#include "tests/support/dateien.h"

#include <QStringDecoder>
#include <QtTest>

using namespace vun;
using namespace vun::test;

namespace {
QByteArray alle256Bytes() {
    QByteArray bytes;
    for (int b = 0; b < 256; ++b)
        bytes.append(static_cast<char>(b));
    return bytes;
}
} // namespace

class TstDateiformat : public QObject {
    Q_OBJECT
private slots:
    void zeilenenden_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("CR LF") << QByteArray("eins\r\nzwei\r\ndrei");
        QTest::newRow("CR") << QByteArray("eins\rzwei\rdrei");
        QTest::newRow("LF") << QByteArray("eins\nzwei\ndrei");
        QTest::newRow("gemischt") << QByteArray("eins\r\nzwei\rdrei\n");
        QTest::newRow("Ende mit CR LF") << QByteArray("eins\r\nzwei\r\ndrei\r\n");
        QTest::newRow("Leerzeilen CR LF") << QByteArray("\r\n\r\neins\r\n\r\nzwei\r\ndrei\r\n\r\n");
        QTest::newRow("Leerzeilen LF") << QByteArray("\n\neins\n\n\nzwei\ndrei\n\n");
        QTest::newRow("Leerzeilen CR") << QByteArray("\reins\r\r\rzwei\rdrei\r\r");
        QTest::newRow("LF CR") << QByteArray("eins\n\rzwei\n\rdrei");
    }
    void zeilenenden() {
        QFETCH(QByteArray, bytes);
        QCOMPARE(zeilenAusBytes(bytes), (QStringList{"eins", "zwei", "drei"}));
    }

    // Blanks and tabs at the ends go, a line of nothing else with them; everything between
    // stays, letter case too. Line numbers count CR LF, CR and LF as one line end each.
    void eintraegeOhneRand() {
        const QByteArray bytes("  Maus\r\nMaus  \r\n \t \n\tTab\rGROSS  klein\n\nMaus\r\n");
        QList<int> nummern;
        QCOMPARE(zeilenAusBytes(bytes, &nummern),
                 (QStringList{"Maus", "Maus", "Tab", "GROSS  klein", "Maus"}));
        QCOMPARE(nummern, (QList<int>{1, 2, 4, 5, 7}));
        QVERIFY(zeilenAusBytes(QByteArray()).isEmpty());
        QVERIFY(zeilenAusBytes(QByteArray("\r\n\n\r")).isEmpty());
    }

    // Notepad's "Unicode": UTF-16 after its byte-order mark, either byte order; a last odd byte
    // is no character.
    void utf16() {
        const QByteArray le("\xFF\xFE"
                            "f\0\xFC\0r\0\r\0\n\0\xAC\x20\n\0 \0",
                            18);
        QCOMPARE(kodierungErkennen(le), Kodierung::Utf16LE);
        QCOMPARE(zeilenAusBytes(le), (QStringList{"für", "€"}));
        const QByteArray be("\xFE\xFF"
                            "\0f\0\xFC\0r\0\r\0\n\x20\xAC\0\n\0 ",
                            18);
        QCOMPARE(kodierungErkennen(be), Kodierung::Utf16BE);
        QCOMPARE(zeilenAusBytes(be), (QStringList{"für", "€"}));
        QCOMPARE(zeilenAusBytes(le + 'x'), (QStringList{"für", "€", QString(QChar(0xFFFD))}));
    }

    // Every byte but CR, LF, blank and tab on a line of its own: 252 entries of one character.
    void alle256BytesAlsWindows1252() {
        QByteArray bytes;
        for (int b = 0; b < 256; ++b)
            if (b != '\r' && b != '\n' && b != ' ' && b != '\t')
                bytes.append(static_cast<char>(b)).append('\n');
        const QStringList eintraege = zeilenAusBytes(bytes);
        QCOMPARE(eintraege.size(), 252);
        QString zeichen;
        for (const QString& e : eintraege) {
            QCOMPARE(e.size(), 1);
            zeichen += e;
        }
        QCOMPARE(zeichen, ausWindows1252(QByteArray(bytes).replace('\n', QByteArray())));

        const QString text = ausWindows1252(alle256Bytes());
        QCOMPARE(text.size(), 256);
        for (int b : {0x00, 0x41, 0x7F, 0xA0, 0xE4, 0xF6, 0xFC, 0xDF, 0xC4, 0xFF})
            QCOMPARE(text.at(b).unicode(), b);
        QCOMPARE(text.at(0x80), QChar(0x20AC)); // euro sign
        QCOMPARE(text.at(0x84), QChar(0x201E)); // German opening quote
        QCOMPARE(text.at(0x93), QChar(0x201C));
        QCOMPARE(text.at(0x9F), QChar(0x0178));
        for (int b : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
            QCOMPARE(text.at(b).unicode(), b);
        // Every byte its own character: a list can never have two entries become equal.
        QCOMPARE(QSet<QChar>(text.begin(), text.end()).size(), 256);

        // The system's own table, where Qt has one, agrees on every byte.
        QStringDecoder system("windows-1252");
        if (system.isValid())
            QCOMPARE(text, QString(system.decode(alle256Bytes())));
    }

    void utf8MitBom() {
        const QByteArray bytes("\xEF\xBB\xBF"
                               "f\xC3\xBCr\r\n\xC3\x84rger\r\nStra\xC3\x9F"
                               "e\r\n");
        QCOMPARE(zeilenAusBytes(bytes), (QStringList{"für", "Ärger", "Straße"}));
        // A byte-order mark with plain ASCII after it, and one standing on a line of its own.
        QCOMPARE(zeilenAusBytes("\xEF\xBB\xBF"
                                "Maus\nHaus"),
                 (QStringList{"Maus", "Haus"}));
        QCOMPARE(zeilenAusBytes("\xEF\xBB\xBF\r\nMaus"), (QStringList{"Maus"}));
        QVERIFY(zeilenAusBytes("\xEF\xBB\xBF").isEmpty());
        // Only the first mark is the file's; a second one belongs to the entry.
        QCOMPARE(zeilenAusBytes("\xEF\xBB\xBF\xEF\xBB\xBF"
                                "Maus"),
                 (QStringList{QChar(0xFEFF) + QStringLiteral("Maus")}));
        // The mark promised UTF-8; a byte that breaks it is replaced, nothing else is lost.
        QCOMPARE(zeilenAusBytes("\xEF\xBB\xBF"
                                "f\xFCr\nT\xC3\xBCr"),
                 (QStringList{QStringLiteral("f") + QChar(0xFFFD) + QStringLiteral("r"), "Tür"}));
    }

    void utf8OhneBom() {
        QCOMPARE(zeilenAusBytes("f\xC3\xBCr\n\xC3\x96l\nMaus\n\xE2\x82\xAC\n\xF0\x9F\x90\xB1"),
                 (QStringList{"für", "Öl", "Maus", "€", QString::fromUcs4(U"\U0001F431", 1)}));
        QCOMPARE(kodierungErkennen("Maus\r\nHaus"), Kodierung::Windows1252); // ASCII: the same
    }

    // Anything that is not well-formed UTF-8 is read as the old lists always were.
    void keinUtf8AlsWindows1252_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("Umlaut 1252") << QByteArray("f\xFCr");
        QTest::newRow("UTF-8 und 1252 gemischt") << QByteArray("f\xC3\xBCr\nf\xFCr");
        QTest::newRow("zu lang kodiert") << QByteArray("a\xC0\xAF"
                                                       "b\xC3\xBC");
        QTest::newRow("Surrogat") << QByteArray("\xED\xA0\x80\xC3\xBC");
        QTest::newRow("ueber 10FFFF") << QByteArray("\xF4\x90\x80\x80\xC3\xBC");
        QTest::newRow("Folgebyte allein") << QByteArray("\xBC\xC3\xBC");
        QTest::newRow("am Ende abgeschnitten") << QByteArray("\xC3\xBC\xC3");
        QTest::newRow("vor Zeilenende abgeschnitten") << QByteArray("\xE2\x82\r\n\xC3\xBC");
        QTest::newRow("F8") << QByteArray("\xF8\x88\x80\x80\x80");
    }
    void keinUtf8AlsWindows1252() {
        QFETCH(QByteArray, bytes);
        QCOMPARE(kodierungErkennen(bytes), Kodierung::Windows1252);
        QStringList erwartet;
        for (const QByteArray& zeile : bytes.split('\n'))
            for (const QByteArray& teil : zeile.split('\r'))
                if (!teil.isEmpty())
                    erwartet << ausWindows1252(teil);
        QCOMPARE(zeilenAusBytes(bytes), erwartet);
    }

    void gueltigkeit() {
        const auto fehlerVon = [](const QStringList& e) { return eintraegeBeurteilen(e).fehler; };
        const QStringList acht = nummerierteWoerter(8);
        QCOMPARE(fehlerVon(acht), Wortdateifehler::ZuWenigEintraege);
        QCOMPARE(fehlerVon(acht + QStringList{"W00000"}), Wortdateifehler::ZuWenigVerschiedene);
        QCOMPARE(fehlerVon(QStringList(9, "Maus")), Wortdateifehler::ZuWenigVerschiedene);
        QCOMPARE(fehlerVon(QStringList(500, "W00003") + acht),
                 Wortdateifehler::ZuWenigVerschiedene);
        QCOMPARE(fehlerVon(nummerierteWoerter(9)), Wortdateifehler::Keiner);
        // Texts are compared exactly: letter case makes different words.
        QCOMPARE(fehlerVon(acht + QStringList{"w00000"}), Wortdateifehler::Keiner);
        QCOMPARE(fehlerVon(nummerierteWoerter(Wortliste::MaxEintraege)), Wortdateifehler::Keiner);
        QCOMPARE(fehlerVon(nummerierteWoerter(Wortliste::MaxEintraege + 1)),
                 Wortdateifehler::ZuVieleEintraege);
    }
};

QTEST_GUILESS_MAIN(TstDateiformat)
#include "tst_dateiformat.moc"
