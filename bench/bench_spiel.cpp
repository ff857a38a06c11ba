// The deal and single clicks through the core, with a view listening to every change.
#include "bench/benchhilfe.h"
#include "bench/zughilfe.h"
#include "game/memo.h"
#include "tests/support/dateien.h"
#include "tests/support/inhalte.h"
#include "wordlist/kartenmischen.h"
#include "wordlist/wortdatei.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>

using namespace vun;

namespace {

void mischen(benchmark::State& state, const QStringList& eintraege, Listenart art) {
    const Wortliste liste2 =
        art == Listenart::Paare ? test::paarliste(eintraege) : test::wortliste(eintraege);
    Zufallsgenerator zufall(1);
    QList<Spielkarte> liste1;
    Modul1 modul1;
    for (auto _ : state) {
        KartenMischen(liste2, liste1, modul1, zufall);
        benchmark::DoNotOptimize(liste1.size());
    }
}

void BM_KartenMischen(benchmark::State& state) {
    mischen(state, test::nummeriert(static_cast<int>(state.range(0)), QStringLiteral("Wort%1"), 0),
            Listenart::Woerter);
}
BENCHMARK(BM_KartenMischen)
    ->Apply(bench::mitSpanne)
    ->Arg(9)
    ->Arg(100)
    ->Arg(32767)
    ->Unit(benchmark::kMicrosecond);

// From a pair list whose results each belong to three tasks: a drawn pair that shares a text
// with one on the board is drawn again.
void BM_PaareMischen(benchmark::State& state) {
    mischen(state, test::paareMitGeteiltenTexten(static_cast<int>(state.range(0))),
            Listenart::Paare);
}
BENCHMARK(BM_PaareMischen)
    ->Apply(bench::mitSpanne)
    ->Arg(30)
    ->Arg(32767)
    ->Unit(benchmark::kMicrosecond);

// With a view listening to every changed card, as the window does.
struct Brett {
    QTemporaryDir ordner;
    bench::StilleDialoge dialoge;
    Zufallsgenerator zufall{7};
    int meldungen = 0;
    Memo memo{dialoge, zufall, keinBildleser(), QDir(ordner.path())};
    Brett() {
        memo.Form_Load(); // no file: the built-in list
        QObject::connect(&memo, &Memo::karteGeaendert, [this](int) { ++meldungen; });
    }
};

void BM_Klick(benchmark::State& state) {
    const auto zug = static_cast<bench::Zug>(state.range(0));
    Brett b;
    for (auto _ : state) {
        const int karte = bench::vorbereiten(b.memo, zug);
        const auto start = std::chrono::steady_clock::now();
        b.memo.Bezeichnung_Click(karte);
        const auto ende = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(ende - start).count());
    }
}
BENCHMARK(BM_Klick)
    ->Apply(bench::mitSpanne)
    ->ArgName("zug")
    ->DenseRange(bench::ErsteKarte, bench::NeuntesPaar)
    ->UseManualTime()
    ->Unit(benchmark::kNanosecond);

} // namespace
