// Every format a list may name decodes to its whole length, each through the decoder its content
// calls for. AAC from an .m4a file as a phone records one: a second of the tuning A (440 Hz) made
// by an encoder is decoded to that second at that pitch; the same file made hostile (cut off, its
// tables pointing outside it or claiming more than it holds, without its decoder's
// configuration, its frames garbled) gives no decoder or a short sound that ends, never a crash
// or a read past its end.
#include "sound/dekoder.h"
#include "sound/klangpruefung.h"
#include "sound/mp4proben.h"
#include "tests/support/dateien.h"

#include <QBuffer>
#include <QtTest>
#include <vector>

using namespace vun;
using namespace vun::ton;

namespace {

// A second of 440 Hz, mono, made for this test by sox and encoded by ffmpeg's AAC encoder at
// 32 kbit/s, its index before its samples as a phone's recorder writes it.
QByteArray kammerton() {
    return test::dateiInhalt(QStringLiteral(VUN_KLANGPROBEN "/kammerton.m4a"));
}

std::unique_ptr<Dekoder> dekoder(const QByteArray& bytes) {
    auto puffer = std::make_unique<QBuffer>();
    puffer->setData(bytes);
    puffer->open(QIODevice::ReadOnly);
    return aacDekoder(std::move(puffer));
}

// Every sample to the end, read in pieces that end anywhere in a frame; the end is told again.
std::vector<qint16> alles(Dekoder& d) {
    std::vector<qint16> proben;
    std::vector<qint16> stueck(size_t(333 * d.kanaele()));
    for (qint64 n; (n = d.lesen(stueck.data(), 333)) > 0;)
        proben.insert(proben.end(), stueck.begin(), stueck.begin() + n * d.kanaele());
    if (d.lesen(stueck.data(), 333) != 0)
        return {};
    return proben;
}

// The box's four-letter type in the bytes; the content begins after it.
qsizetype box(const QByteArray& bytes, const char* typ) {
    return bytes.indexOf(typ);
}

void be32(QByteArray& bytes, qsizetype ab, quint32 wert) {
    for (int i = 0; i < 4; ++i)
        bytes[ab + i] = char(wert >> (24 - 8 * i));
}

} // namespace

class TstDekoder : public QObject {
    Q_OBJECT
private slots:
    // The corpus's quarter of a second in each format (and the second of AAC), opened by the
    // format its check reads, as the module opens it.
    void jedesFormat_data() {
        QTest::addColumn<QString>("datei");
        for (const char* name :
             {"ton.wav", "ton.flac", "ton.ogg", "ton.oga", "ton.opus", "ton.mp3", "kammerton.m4a"})
            QTest::newRow(name) << QStringLiteral(VUN_KLANGPROBEN "/") + QLatin1String(name);
    }
    void jedesFormat() {
        QFETCH(QString, datei);
        QFile f(datei);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const Klangbefund befund = klangPruefen(f);
        QVERIFY(befund.abspielbar);
        const auto d = dekoderOeffnen(datei, befund.format);
        QVERIFY(d);
        const qint64 ms = qint64(alles(*d).size()) / d->kanaele() * 1000 / d->rate();
        // Encoders add a few frames of priming and padding.
        QVERIFY2(ms >= befund.dauer - 5 && ms <= befund.dauer + 80,
                 qPrintable(QStringLiteral("%1 ms of %2").arg(ms).arg(befund.dauer)));
    }

    void kammerton() {
        const QByteArray bytes = ::kammerton();
        QVERIFY(!bytes.isEmpty());
        const auto d = dekoder(bytes);
        QVERIFY(d);
        QCOMPARE(d->rate(), 44100);
        // libfaad2 built for parametric stereo gives a mono track as two equal channels, as a
        // later frame could make it stereo.
        const int k = d->kanaele();
        QVERIFY(k == 1 || k == 2);
        const std::vector<qint16> proben = alles(*d);
        // A second, give or take the encoder's priming and the frame the decoder keeps back.
        const size_t bilder = proben.size() / size_t(k);
        QVERIFY2(bilder >= 43000 && bilder <= 47000, qPrintable(QString::number(bilder)));
        // The pitch by the rising zero crossings of the middle half second.
        int steigend = 0;
        for (size_t i = 11025; i < 11025 + 22050; ++i) {
            steigend += proben[(i - 1) * k] < 0 && proben[i * k] >= 0;
            QCOMPARE(proben[i * k + k - 1], proben[i * k]);
        }
        QVERIFY2(steigend >= 218 && steigend <= 222, qPrintable(QString::number(steigend)));
    }

    void feindlich_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("oeffnet"); // a decoder, whose sound ends early
        const QByteArray echt = ::kammerton();
        const qsizetype mdat = box(echt, "mdat");
        QVERIFY(mdat > 0 && box(echt, "moov") < mdat);
        QTest::newRow("cut off in mdat") << echt.first((mdat + echt.size()) / 2) << false;
        QByteArray stco = echt;
        be32(stco, box(stco, "stco") + 12, quint32(echt.size()) - 4);
        QTest::newRow("chunk past the end") << stco << false;
        QByteArray stsz = echt;
        QCOMPARE(quint32(stsz[box(stsz, "stsz") + 8]), 0u); // a table of sizes
        be32(stsz, box(stsz, "stsz") + 16, 0xFFFFFFFF);
        QTest::newRow("sample of 4 GiB") << stsz << false;
        QByteArray esds = echt;
        esds[box(esds, "esds")] = 'x';
        QTest::newRow("no esds") << esds << false;
        QByteArray wirr = echt;
        for (qsizetype i = (mdat + echt.size()) / 2; i < echt.size(); ++i)
            wirr[i] = char(i * 7);
        QTest::newRow("garbled frames") << wirr << true;
    }
    void feindlich() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, oeffnet);
        const auto d = dekoder(bytes);
        QCOMPARE(bool(d), oeffnet);
        if (d) {
            const size_t bilder = alles(*d).size() / size_t(d->kanaele());
            QVERIFY2(bilder > 0 && bilder < 30000, qPrintable(QString::number(bilder)));
        }
    }
};

QTEST_GUILESS_MAIN(TstDekoder)
#include "tst_dekoder.moc"
