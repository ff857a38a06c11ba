// The cards of a 300-pair list as a PDF, as "vun-memory --drucken" writes it, and the longest
// stretch between two pages, during which a printing window cannot draw itself.
#include "bench/benchhilfe.h"
#include "game/druckbefehl.h"
#include "game/druckbogen.h"
#include "pictures/qtbildleser.h"
#include "printing/drucken.h"
#include "printing/qtdrucker.h"
#include "tests/support/dateien.h"
#include "tests/support/inhalte.h"
#include "tests/support/skript.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>

using namespace vun;

namespace {

using Uhr = std::chrono::steady_clock;

void BM_KartenPdf(benchmark::State& state) {
    QTemporaryDir ordner;
    const QString liste = ordner.filePath(QStringLiteral("PAARE.TXT"));
    test::wortlisteSchreiben(liste, test::paareMitUmlauten(int(state.range(0))));
    const QString pdf = ordner.filePath(QStringLiteral("karten.pdf"));
    const QStringList befehl{QStringLiteral("vun-memory"), QStringLiteral("--drucken"), liste, pdf};
    QtDrucker drucker;
    test::SkriptDialoge dialoge;
    for (auto _ : state)
        if (druckbefehl(befehl, drucker, dialoge, QtBildleser()) != 0)
            state.SkipWithError("nicht geschrieben");
}
BENCHMARK(BM_KartenPdf)->Arg(300)->Unit(benchmark::kMillisecond)->Apply(bench::mitSpanne);

// What the window waits for at most between two chances to draw itself.
void BM_LaengsteSeite(benchmark::State& state) {
    const Kartensatz karten = druckkarten(test::paarliste(test::paareMitUmlauten(300)));
    double laengste = 0;
    for (auto _ : state) {
        QBuffer puffer;
        puffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&puffer);
        pdf.setResolution(600);
        auto zuletzt = Uhr::now();
        kartenMalen(pdf, karten, true, true, [&] {
            const auto jetzt = Uhr::now();
            laengste = std::max(laengste, std::chrono::duration<double>(jetzt - zuletzt).count());
            zuletzt = jetzt;
        });
    }
    state.counters["laengsteSeite_ms"] = laengste * 1000;
}
BENCHMARK(BM_LaengsteSeite)->Unit(benchmark::kMillisecond)->Apply(bench::mitSpanne);

} // namespace

int main(int argc, char* argv[]) {
    // Fonts and painting as the command line has them, without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    QGuiApplication app(argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
