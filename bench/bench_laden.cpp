// Loading word-list files through the program's own reader, against reading the bare bytes.
#include "bench/benchhilfe.h"
#include "game/listeladen.h"
#include "tests/support/dateien.h"
#include "wordlist/wortdatei.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace vun;

namespace {

enum class Art { Woerter, Paare, GeteiltePaare };

QString dateiMit(const QTemporaryDir& ordner, int n, Art art = Art::Woerter) {
    const char* muster[] = {"LISTE%1.TXT", "PAARE%1.TXT", "GETEILT%1.TXT"};
    const QString pfad = ordner.filePath(QString::fromLatin1(muster[int(art)]).arg(n));
    QFile datei(pfad);
    if (!datei.exists() && datei.open(QIODevice::WriteOnly))
        datei.write(test::alsUtf8(art == Art::Woerter ? test::woerterMitUmlauten(n)
                                  : art == Art::Paare ? test::paareMitUmlauten(n)
                                                      : test::paareMitGeteiltenTexten(n)));
    return pfad;
}

QTemporaryDir& ordner() {
    static QTemporaryDir tmp;
    return tmp;
}

void dateiLaden(benchmark::State& state, Art art) {
    const int n = static_cast<int>(state.range(0));
    const bool paare = art != Art::Woerter;
    const QString pfad = dateiMit(ordner(), n, art);
    const QString name = QFileInfo(pfad).fileName();
    bench::StilleDialoge dialoge;
    Wortliste liste2;
    for (auto _ : state) {
        DateiEinlesen(name, liste2, dialoge, keinBildleser(), QDir(ordner().path()));
        benchmark::DoNotOptimize(liste2.eintraege().size());
    }
    if (liste2.eintraege().size() != n || (liste2.art() == Listenart::Paare) != paare)
        state.SkipWithError("the list did not load");
    state.SetItemsProcessed(state.iterations() * n);
}

void BM_DateiLaden(benchmark::State& state) {
    dateiLaden(state, Art::Woerter);
}

// Pairs cost reading every line as a pair and dropping pairs written twice, instead of the sort.
void BM_PaarlisteLaden(benchmark::State& state) {
    dateiLaden(state, Art::Paare);
}

// The same with every result shared by three tasks: the check for nine pairs without a shared
// text must not search the whole list.
void BM_PaarlisteGeteiltLaden(benchmark::State& state) {
    dateiLaden(state, Art::GeteiltePaare);
}

// The floor: the same bytes read from the same file, nothing done with them.
void BM_BytesLesen(benchmark::State& state) {
    const QString pfad = dateiMit(ordner(), static_cast<int>(state.range(0)));
    for (auto _ : state) {
        QFile datei(pfad);
        datei.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(datei.readAll().size());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

} // namespace

BENCHMARK(BM_DateiLaden)
    ->Apply(bench::mitSpanne)
    ->Arg(9)
    ->Arg(1024)
    ->Arg(32767)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaarlisteLaden)->Apply(bench::mitSpanne)->Arg(32767)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaarlisteGeteiltLaden)
    ->Apply(bench::mitSpanne)
    ->Arg(32767)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BytesLesen)
    ->Apply(bench::mitSpanne)
    ->Arg(9)
    ->Arg(1024)
    ->Arg(32767)
    ->Unit(benchmark::kMicrosecond);
