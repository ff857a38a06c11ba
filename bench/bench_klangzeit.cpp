// The cards' sounds: from the request to play a card's sound to its first sample at the sound
// server, through the real sound module (libsndfile into PulseAudio) and a recording of the sink's
// monitor by parec. Needs a sound server with the default sink "stumm" and the sounds in the
// folder VUN_KLANGORDNER (scripts/klangzeit sets up both).
#include "bench/benchhilfe.h"
#include "bench/mithoerer.h"
#include "seams/klangspieler.h"
#include "sound/klangladen.h"

#include <QCoreApplication>
#include <QDir>
#include <QtTest>
#include <algorithm>
#include <benchmark/benchmark.h>

using namespace vun;
using namespace vun::bench;

namespace {

double sekunden(Uhr::time_point seit) {
    return std::chrono::duration<double>(Uhr::now() - seit).count();
}

void BM_KlangHoerbar(benchmark::State& state) {
    const QDir ordner(qEnvironmentVariable("VUN_KLANGORDNER"));
    QStringList dateien;
    for (const QString& name : ordner.entryList(QDir::Files, QDir::Name))
        dateien << ordner.filePath(name);
    std::unique_ptr<Klangspieler> spieler = klangspielerLaden({QStringLiteral(VUN_KLANGMODUL)});
    const Uhr::time_point an = Uhr::now();
    std::optional<QList<Klanghindernis>> antwort;
    spieler->vorbereiten(dateien, [&](const QList<Klanghindernis>& h) { antwort = h; });
    const double aufhalten = sekunden(an);
    const bool gekommen = QTest::qWaitFor([&] { return antwort.has_value(); }, 20000);
    const double bereit = sekunden(an);
    Mithoerer ohr;
    if (dateien.isEmpty() || !gekommen || !antwort || !antwort->isEmpty() || !ohr.bereit ||
        !ohr.hoertZu(10)) {
        state.SkipWithError("no sounds, no player or no recording: is the sound server up?");
        return;
    }
    std::vector<double> zeiten;
    int i = 0;
    for (auto _ : state) {
        spieler->verstummen();
        if (!ohr.stilleAbwarten(0.3, 10)) {
            state.SkipWithError("the last sound does not end");
            return;
        }
        const Uhr::time_point start = Uhr::now();
        spieler->spielen(dateien.at(i++ % dateien.size()));
        const std::optional<Uhr::time_point> ton = ohr.ersterLauterTon(5);
        if (!ton) {
            state.SkipWithError("the sound was not heard");
            return;
        }
        zeiten.push_back(std::chrono::duration<double>(*ton - start).count());
        state.SetIterationTime(zeiten.back());
    }
    // The first sound after the module's start, apart: what a child hears at the first card.
    state.counters["erster_ms"] = 1000 * zeiten.front();
    std::sort(zeiten.begin(), zeiten.end());
    const size_t n = zeiten.size();
    state.counters["median_ms"] = 1000 * (zeiten.at((n - 1) / 2) + zeiten.at(n / 2)) / 2;
    state.counters["max_ms"] = 1000 * zeiten.back();
    state.counters["aufhalten_ms"] = 1000 * aufhalten;
    state.counters["bereit_ms"] = 1000 * bereit;
}
BENCHMARK(BM_KlangHoerbar)->Iterations(20)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication anwendung(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
