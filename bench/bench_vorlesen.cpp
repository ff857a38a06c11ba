// Reading aloud: from the click on a card to the first sample of its word that reaches the
// sound server, through the real voice (the speech module, speech-dispatcher, espeak-ng) and a
// recording of the sink's monitor by parec. Needs a sound server with the default sink "stumm"
// (scripts/vorlesezeit sets one up); the program's window on Qt's offscreen platform.
#include "bench/fenstersitzung.h"
#include "bench/mithoerer.h"
#include "seams/sprecher.h"
#include "tests/support/karten.h"
#include "ui/extras.h"
#include "ui/karte.h"
#include "voice/sprecherladen.h"

#include <QAction>
#include <algorithm>
#include <benchmark/benchmark.h>

using namespace vun;
using namespace vun::bench;

namespace {

// The program's voice, telling when it has become ready.
class Stimmzeuge : public Sprecher {
public:
    Stimmzeuge(std::unique_ptr<Sprecher> stimme, bool& bereit)
        : stimme_(std::move(stimme)), bereit_(bereit) {}
    void vorbereiten(Bereit bereit) override {
        stimme_->vorbereiten([this, bereit = std::move(bereit)](auto hindernis) {
            bereit_ = !hindernis;
            bereit(hindernis);
        });
    }
    void sprechen(const QString& text) override { stimme_->sprechen(text); }
    void verstummen() override { stimme_->verstummen(); }

private:
    std::unique_ptr<Sprecher> stimme_;
    bool& bereit_;
};

// A covered card whose turning finds no pair, so the game runs on for every turn.
int naechsteKarte(const Memo& memo) {
    const QList<int> offenListe = test::karten(memo, Kartenzustand::Offen);
    const int offen = offenListe.size() == 1 ? offenListe.first() : 0;
    for (int k = 1; k <= Kartenzahl; ++k)
        if (k != offen && memo.zustand(k) == Kartenzustand::Verdeckt &&
            (offen == 0 || test::partner(memo, offen) != k))
            return k;
    return 0;
}

void BM_VorlesenHoerbar(benchmark::State& state) {
    bool stimmeBereit = false;
    Sitzung p({}, [&] {
        return std::make_unique<Stimmzeuge>(sprecherLaden({QStringLiteral(VUN_SPRECHERMODUL)}),
                                            stimmeBereit);
    });
    // The first switch-on loads the module and gets the voice ready in the background: how long
    // the window is held up by it, and how long until the voice speaks.
    const Uhr::time_point an = Uhr::now();
    p.fenster.extras().aktion(ui::Extra::Vorlesen)->trigger();
    const double einschalten = sekunden(an);
    const bool bereitGeworden = QTest::qWaitFor([&] { return stimmeBereit; }, 20000);
    const double bereit = sekunden(an);
    Mithoerer ohr;
    if (!bereitGeworden || !ohr.bereit) {
        state.SkipWithError("no voice or no recording: is the sound server up?");
        return;
    }
    std::vector<double> zeiten;
    for (auto _ : state) {
        if (!ohr.stilleAbwarten(0.3, 10)) {
            state.SkipWithError("the last word does not end");
            return;
        }
        int karte = naechsteKarte(p.memo);
        if (karte == 0) {
            p.dialoge.antworten = {AntwortJa};
            p.memo.Bild4_Click();
            karte = naechsteKarte(p.memo);
        }
        const Uhr::time_point start = Uhr::now();
        p.klick(p.fenster.karte(karte));
        const std::optional<Uhr::time_point> ton = ohr.ersterLauterTon(5);
        if (!ton) {
            state.SkipWithError("the card's word was not heard");
            return;
        }
        zeiten.push_back(std::chrono::duration<double>(*ton - start).count());
        state.SetIterationTime(zeiten.back());
    }
    std::sort(zeiten.begin(), zeiten.end());
    const size_t n = zeiten.size();
    state.counters["median_ms"] = 1000 * (zeiten.at((n - 1) / 2) + zeiten.at(n / 2)) / 2;
    state.counters["max_ms"] = 1000 * zeiten.back();
    state.counters["einschalten_ms"] = 1000 * einschalten;
    state.counters["bereit_ms"] = 1000 * bereit;
}
BENCHMARK(BM_VorlesenHoerbar)->Iterations(20)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char* argv[]) {
    return vun::bench::fensterBenchmarks(argc, argv);
}
