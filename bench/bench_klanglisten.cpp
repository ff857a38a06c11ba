// Loading a list of 300 sound pairs through the program's own reader and its sound checks:
// every sound's path checked and its headers and last page read for its format and length.
#include "bench/benchhilfe.h"
#include "game/listeladen.h"
#include "sound/klangpruefung.h"
#include "tests/support/dateien.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace vun;

namespace {

// The tones of the tests, one of each format, and a spoken number as the game ships it.
const char* const Proben[] = {"ton.wav", "ton.flac", "ton.ogg", "ton.opus",
                              "ton.oga", "ton.mp3",  "ton.m4a", "eins.ogg"};

QByteArray probe(int i) {
    const QString name = QLatin1String(Proben[i % 8]);
    QFile datei(name == u"eins.ogg" ? QStringLiteral(VUN_WORTLISTEN "/klaenge/eins.ogg")
                                    : QStringLiteral(VUN_KLANGPROBEN "/") + name);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
}

// The folder with the list "Wörterbuch7 = klaenge/ton7.mp3" of n pairs and its sounds, each
// its own file.
QTemporaryDir& ordnerMit(int n) {
    static QTemporaryDir tmp;
    const QDir ordner(tmp.path());
    if (!ordner.exists(QStringLiteral("KLAENGE%1.TXT").arg(n))) {
        ordner.mkdir(QStringLiteral("klaenge"));
        QStringList zeilen;
        for (int i = 0; i < n; ++i) {
            const QString probe = QLatin1String(Proben[i % 8]);
            const QString name =
                QStringLiteral("klaenge/ton%1%2").arg(i).arg(probe.sliced(probe.lastIndexOf(u'.')));
            if (!ordner.exists(name))
                test::dateiSchreiben(ordner.filePath(name), ::probe(i));
            zeilen << QStringLiteral("Wörterbuch%1straße = %2").arg(i).arg(name);
        }
        test::wortlisteSchreiben(ordner.filePath(QStringLiteral("KLAENGE%1.TXT").arg(n)), zeilen);
    }
    return tmp;
}

void BM_KlanglisteLaden(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const QDir ordner(ordnerMit(n).path());
    const QString name = QStringLiteral("KLAENGE%1.TXT").arg(n);
    bench::StilleDialoge dialoge;
    const Klangkopfleser klangleser;
    Wortliste liste2;
    for (auto _ : state) {
        DateiEinlesen(name, liste2, dialoge, {keinBildleser(), klangleser}, ordner);
        benchmark::DoNotOptimize(liste2.eintraege().size());
    }
    if (liste2.eintraege().size() != n || liste2.art() != Listenart::Paare)
        state.SkipWithError("the list did not load");
    state.SetItemsProcessed(state.iterations() * n);
}

} // namespace

BENCHMARK(BM_KlanglisteLaden)
    ->Apply(bench::mitSpanne)
    ->Arg(9)
    ->Arg(300)
    ->Unit(benchmark::kMillisecond);
