// Clicks on the real main window up to the end of the repaint they cause, the window changing
// size, and the first show of the information window; on Qt's offscreen platform, so no display
// is needed.
#include "bench/fenstersitzung.h"
#include "bench/zughilfe.h"
#include "ui/hauptfenster.h"
#include "ui/infofenster.h"
#include "ui/karte.h"
#include "ui/vergroesserung.h"

#include <benchmark/benchmark.h>

using namespace vun;
using namespace vun::bench;

namespace {

void BM_FensterKlick(benchmark::State& state) {
    const auto zug = static_cast<bench::Zug>(state.range(0));
    Sitzung p;
    Malzaehler zaehler;
    double kartenGemalt = 0, geaendert = 0, unveraendertGemalt = 0, sonstige = 0, hoechstens = 0;
    for (auto _ : state) {
        const int karte = bench::vorbereiten(p.memo, zug);
        bisZurRuhe(zaehler);
        zaehler.gemalt.clear();
        zaehler.summe = 0;
        p.gemeldet.fill(false);

        const Uhr::time_point start = Uhr::now();
        p.klick(p.fenster.karte(karte));
        bisZurRuhe(zaehler);
        state.SetIterationTime(sekunden(start));

        int karten = 0;
        for (int k = 1; k <= Kartenzahl; ++k) {
            const int n = zaehler.gemalt.value(p.fenster.karte(k));
            const bool gemeldet = p.gemeldet.at(k - 1);
            karten += n;
            geaendert += gemeldet;
            hoechstens = std::max<double>(hoechstens, n);
            if (!gemeldet && n > 0)
                ++unveraendertGemalt;
            if (gemeldet && n == 0) {
                state.SkipWithError("a changed card was not repainted");
                return;
            }
        }
        if (zug == bench::NeuntesPaar && test::rundeLaeuft(p.memo)) {
            state.SkipWithError("the click did not end the game");
            return;
        }
        kartenGemalt += karten;
        sonstige += zaehler.summe - karten;
    }
    using benchmark::Counter;
    state.counters["karten_gemalt"] = Counter(kartenGemalt, Counter::kAvgIterations);
    state.counters["geaendert"] = Counter(geaendert, Counter::kAvgIterations);
    state.counters["unveraendert_gemalt"] = Counter(unveraendertGemalt, Counter::kAvgIterations);
    state.counters["sonstige_gemalt"] = Counter(sonstige, Counter::kAvgIterations);
    state.counters["je_karte_max"] = hoechstens;
    if (unveraendertGemalt > 0)
        state.SkipWithError("a card that did not change was repainted");
}
BENCHMARK(BM_FensterKlick)
    ->Apply(bench::mitSpanne)
    ->ArgName("zug")
    ->DenseRange(bench::ErsteKarte, bench::NeuntesPaar)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

// What the player does to change the window's size, each from the size before it.
enum Wechsel { Groesser100, Kleiner125, Groesser150, Zurueck200, VollbildAn, VollbildAus };

// The zoom step and full-screen state before a change and the size it must leave.
struct Wechselplan {
    int stufeVorher;
    bool vollbildVorher;
    int stufeNachher;
    bool vollbildNachher;
};

constexpr std::array<Wechselplan, 6> Wechselplaene{{
    {100, false, 125, false},
    {125, false, 100, false},
    {150, false, 200, false},
    {200, false, 100, false},
    {100, false, 100, true},
    {100, true, 100, false},
}};

// Steps up from the design size; stops where the screen holds no larger step.
void aufStufe(ui::Vergroesserung& g, int stufe) {
    g.vollbildSetzen(false);
    g.stufeWechseln(0);
    for (int vorher = 0; g.stufe() < stufe && g.stufe() != vorher;) {
        vorher = g.stufe();
        g.stufeWechseln(1);
    }
}

// From the key's action (Ctrl+Plus, Ctrl+Minus, Ctrl+0, F11, Escape) until the window has been
// laid out anew and has painted and come to rest at its new size.
void BM_GroesseWechseln(benchmark::State& state) {
    const auto wechsel = static_cast<Wechsel>(state.range(0));
    const Wechselplan plan = Wechselplaene.at(wechsel);
    Sitzung p;
    ui::Vergroesserung& g = p.fenster.groesse();
    Malzaehler zaehler;
    double langsamste = 0;
    for (auto _ : state) {
        aufStufe(g, plan.stufeVorher);
        g.vollbildSetzen(plan.vollbildVorher);
        bisZurRuhe(zaehler);
        if (g.stufe() != plan.stufeVorher || g.vollbild() != plan.vollbildVorher) {
            state.SkipWithError("the screen is too small for the size to start from");
            return;
        }
        zaehler.gemalt.clear();
        zaehler.summe = 0;

        const Uhr::time_point start = Uhr::now();
        switch (wechsel) {
        case Groesser100:
        case Groesser150:
            g.stufeWechseln(1);
            break;
        case Kleiner125:
            g.stufeWechseln(-1);
            break;
        case Zurueck200:
            g.stufeWechseln(0);
            break;
        case VollbildAn:
        case VollbildAus:
            g.vollbildSetzen(wechsel == VollbildAn);
            break;
        }
        bisZurRuhe(zaehler);
        const double dauer = sekunden(start);
        state.SetIterationTime(dauer);
        langsamste = std::max(langsamste, dauer);

        if (g.stufe() != plan.stufeNachher || g.vollbild() != plan.vollbildNachher) {
            state.SkipWithError("the window did not change to the size asked for");
            return;
        }
        // Every card shows at its new place and size, none from before.
        for (int k = 1; k <= Kartenzahl; ++k) {
            if (zaehler.gemalt.value(p.fenster.karte(k)) == 0) {
                state.SkipWithError("a card was not repainted at the new size");
                return;
            }
        }
    }
    // Beside the mean of the iterations the slowest single one: a fresh window's first switch
    // takes several times as long as the later ones.
    state.counters["langsamste_ms"] = langsamste * 1000;
    state.counters["breite"] = p.fenster.width();
    state.counters["hoehe"] = p.fenster.height();
}
BENCHMARK(BM_GroesseWechseln)
    ->Apply(bench::mitSpanne)
    ->ArgName("wechsel")
    ->DenseRange(Groesser100, VollbildAus)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// From the click on the Info button of a freshly started window until the new information window
// has painted and come to rest. Run alone in a fresh process (filter "kalt"), the one iteration
// is the program's very first show of it.
void BM_InfofensterZeigen(benchmark::State& state) {
    Malzaehler zaehler;
    for (auto _ : state) {
        state.PauseTiming();
        Sitzung p;
        QWidget* info = p.fenster.findChild<QWidget*>(QStringLiteral("Bild6"));
        bisZurRuhe(zaehler);
        zaehler.summe = 0;
        state.ResumeTiming();

        const Uhr::time_point start = Uhr::now();
        p.klick(info);
        bisZurRuhe(zaehler);
        state.SetIterationTime(sekunden(start));

        if (!p.fenster.infofenster() || !p.fenster.infofenster()->isVisible() ||
            zaehler.summe == 0) {
            state.SkipWithError("the information window was not shown");
            return;
        }
    }
}
BENCHMARK(BM_InfofensterZeigen)
    ->Apply(bench::mitSpanne)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InfofensterZeigen)
    ->Apply(bench::mitSpanne)
    ->Name("BM_InfofensterZeigen/kalt")
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char* argv[]) {
    return vun::bench::fensterBenchmarks(argc, argv);
}
