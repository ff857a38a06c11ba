// Loading word-list files through the program's own reader, against reading the bare bytes.
#include "bench/benchhilfe.h"
#include "game/listeladen.h"
#include "tests/support/dateien.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace vun;

namespace {

QString dateiMit(const QTemporaryDir& ordner, int n) {
    const QString pfad = ordner.filePath(QStringLiteral("LISTE%1.TXT").arg(n));
    QFile datei(pfad);
    if (!datei.exists() && datei.open(QIODevice::WriteOnly))
        datei.write(test::alsUtf8(test::woerterMitUmlauten(n)));
    return pfad;
}

QTemporaryDir& ordner() {
    static QTemporaryDir tmp;
    return tmp;
}

void BM_DateiLaden(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const QString pfad = dateiMit(ordner(), n);
    const QString name = QFileInfo(pfad).fileName();
    bench::StilleDialoge dialoge;
    Wortliste liste2;
    for (auto _ : state) {
        DateiEinlesen(name, liste2, dialoge, QDir(ordner().path()));
        benchmark::DoNotOptimize(liste2.anzahl());
    }
    if (liste2.anzahl() != n)
        state.SkipWithError("the list did not load");
    state.SetItemsProcessed(state.iterations() * n);
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
BENCHMARK(BM_BytesLesen)
    ->Apply(bench::mitSpanne)
    ->Arg(9)
    ->Arg(1024)
    ->Arg(32767)
    ->Unit(benchmark::kMicrosecond);
