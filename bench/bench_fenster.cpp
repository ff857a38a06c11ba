// Clicks on the real main window up to the end of the repaint they cause, and the first show of
// the information window; on Qt's offscreen platform, so no display is needed.
#include "bench/benchhilfe.h"
#include "bench/zughilfe.h"
#include "ui/hauptfenster.h"
#include "ui/infofenster.h"
#include "ui/karte.h"

#include <QApplication>
#include <QHash>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>
#include <chrono>

using namespace vun;

namespace {

using Uhr = std::chrono::steady_clock;

double sekunden(Uhr::time_point start) {
    return std::chrono::duration<double>(Uhr::now() - start).count();
}

// Counts the paint events of every widget of the program.
class Malzaehler : public QObject {
public:
    Malzaehler() { qApp->installEventFilter(this); }
    ~Malzaehler() override { qApp->removeEventFilter(this); }

    QHash<const QObject*, int> gemalt;
    int summe = 0;

protected:
    bool eventFilter(QObject* empfaenger, QEvent* ereignis) override {
        if (ereignis->type() == QEvent::Paint) {
            ++gemalt[empfaenger];
            ++summe;
        }
        return false;
    }
};

// Delivers events until a round paints nothing more: the window has come to rest.
void bisZurRuhe(const Malzaehler& zaehler) {
    int vorher = -1;
    while (zaehler.summe != vorher) {
        vorher = zaehler.summe;
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

// The program's main window started as the program starts it, on the built-in word list.
struct Programm {
    QTemporaryDir ordner;
    bench::StilleDialoge dialoge;
    Zufallsgenerator zufall{7};
    Memo memo{dialoge, zufall, QDir(ordner.path())};
    ui::Hauptfenster fenster{memo};
    // The cards the game reported as changed, heard beside the window.
    std::array<bool, Kartenzahl> gemeldet{};

    Programm() {
        fenster.starten();
        QObject::connect(&memo, &Memo::karteGeaendert,
                         [this](int karte) { gemeldet.at(karte - 1) = true; });
    }

    // A click as the window system delivers it, at the middle of a widget of the window.
    void klick(QWidget* ziel) {
        const QPoint mitte = ziel->mapTo(&fenster, ziel->rect().center());
        QTest::mouseClick(fenster.windowHandle(), Qt::LeftButton, {}, mitte);
    }
};

void BM_FensterKlick(benchmark::State& state) {
    const auto zug = static_cast<bench::Zug>(state.range(0));
    Programm p;
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
        if (zug == bench::NeuntesPaar && p.memo.spielstand().Gestartet) {
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

// From the click on the Info button of a freshly started window until the new information window
// has painted and come to rest. Run alone in a fresh process (filter "kalt"), the one iteration
// is the program's very first show of it.
void BM_InfofensterZeigen(benchmark::State& state) {
    Malzaehler zaehler;
    for (auto _ : state) {
        state.PauseTiming();
        Programm p;
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

// The offscreen platform cannot raise a window and says so on every show; nothing else is
// dropped.
QtMessageHandler vorher = nullptr;

void ohneRaiseHinweis(QtMsgType art, const QMessageLogContext& ort, const QString& text) {
    if (!text.contains(QLatin1String("does not support raise()")))
        vorher(art, ort, text);
}

} // namespace

int main(int argc, char* argv[]) {
    // Real widgets and real painting, without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    vorher = qInstallMessageHandler(ohneRaiseHinweis);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    QApplication app(argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
