// Picture cards: a list of nine 12-megapixel photos chosen in the file list up to the board shown,
// a picture card turned up to its repaint, the peak memory of a photo game against a word game,
// and picture lists on paper. The real main window on Qt's offscreen platform.
//
// The photos are made once per folder (VUN_BENCH_BILDER, else a folder of the process's own):
// noisy gradients saved as JPEG at quality 90, as a camera's photos are.
#include "bench/fenstersitzung.h"
#include "game/druckbefehl.h"
#include "pictures/qtbildleser.h"
#include "printing/qtdrucker.h"
#include "tests/support/dateien.h"
#include "tests/support/karten.h"
#include "tests/support/kartenbilder.h"
#include "ui/dateiliste.h"
#include "ui/karte.h"
#include "ui/vergroesserung.h"
#include "wordlist/bildeintrag.h"

#include <QFileInfo>
#include <QImage>
#include <benchmark/benchmark.h>
#include <sys/resource.h>

using namespace vun;
using namespace vun::bench;

namespace {

constexpr QSize Fotogroesse(4000, 3000);
const QString Fotoliste = QStringLiteral("FOTOS.TXT");
const QString Bilderliste300 = QStringLiteral("BILDER300.TXT");

// A gradient of a hue of its own with noise on every pixel, so that JPEG cannot make it small.
QImage verrauscht(QSize groesse, int farbton) {
    QImage bild(groesse, QImage::Format_RGB32);
    quint32 zufall = 2463534242u + quint32(farbton);
    for (int y = 0; y < bild.height(); ++y) {
        auto* zeile = reinterpret_cast<QRgb*>(bild.scanLine(y));
        const QColor grund = QColor::fromHsv(farbton % 360, 160, 80 + 150 * y / bild.height());
        for (int x = 0; x < bild.width(); ++x) {
            zufall ^= zufall << 13;
            zufall ^= zufall >> 17;
            zufall ^= zufall << 5;
            const int rauschen = int(zufall % 33) - 16;
            const int hell = 255 * x / bild.width() / 4;
            zeile[x] = qRgb(qBound(0, grund.red() + hell + rauschen, 255),
                            qBound(0, grund.green() + hell + rauschen, 255),
                            qBound(0, grund.blue() + hell + rauschen, 255));
        }
    }
    return bild;
}

// The folder of the pictures: VUNMEMO.TXT of nine words, FOTOS.TXT of nine word-photo pairs,
// BILDER300.TXT of 300 word-picture pairs (pictures of 1024x768). Made when missing.
QString bilderordner() {
    static QTemporaryDir eigener;
    static const QString ordner = [] {
        const QString gegeben = qEnvironmentVariable("VUN_BENCH_BILDER");
        const QString pfad = gegeben.isEmpty() ? eigener.path() : gegeben;
        QDir(pfad).mkpath(QStringLiteral("bilder"));
        QStringList fotos, bilder;
        for (int n = 1; n <= 9; ++n) {
            const QString name = QStringLiteral("foto%1.jpg").arg(n);
            if (!QFileInfo::exists(QDir(pfad).filePath(name)))
                verrauscht(Fotogroesse, 40 * n).save(QDir(pfad).filePath(name), "JPEG", 90);
            fotos << QStringLiteral("Foto %1 = %2").arg(n).arg(name);
        }
        for (int n = 1; n <= 300; ++n) {
            const QString name = QStringLiteral("bilder/bild%1.jpg").arg(n);
            if (!QFileInfo::exists(QDir(pfad).filePath(name)))
                verrauscht({1024, 768}, 7 * n).save(QDir(pfad).filePath(name), "JPEG", 90);
            bilder << QStringLiteral("Bild %1 = %2").arg(n).arg(name);
        }
        test::wortlisteSchreiben(QDir(pfad).filePath(Fotoliste), fotos);
        test::wortlisteSchreiben(QDir(pfad).filePath(Bilderliste300), bilder);
        test::wortlisteSchreiben(QDir(pfad).filePath(QStringLiteral("VUNMEMO.TXT")),
                                 test::nummerierteWoerter(9));
        return pfad;
    }();
    return ordner;
}

// The list chosen with a click on its entry in the file list, as the player chooses it.
void listeKlicken(Sitzung& p, const QString& name) {
    p.memo.Bild5_Click();
    ui::Dateiliste* liste = p.fenster.dateiliste();
    const QList<QListWidgetItem*> eintraege = liste->findItems(name, Qt::MatchExactly);
    if (eintraege.isEmpty())
        return;
    const QPoint mitte = liste->visualItemRect(eintraege.first()).center();
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, mitte);
}

int bildkarte(const Memo& memo) {
    for (int k = 1; k <= Kartenzahl; ++k)
        if (memo.liste1().at(k - 1).inhalt.istBild())
            return k;
    return 0;
}

// From the click on FOTOS.TXT in the file list, while a word game with an open pair is played,
// until the board of the photo list has painted and come to rest. Then, not timed into the
// iteration, until every picture of the deal is decoded in the background (counter
// vorbereitet_ms, the slowest of all repetitions).
void BM_FotosAusteilen(benchmark::State& state) {
    Sitzung p(bilderordner());
    Malzaehler zaehler;
    double vorbereitet = 0;
    for (auto _ : state) {
        listeKlicken(p, QStringLiteral("VUNMEMO.TXT"));
        p.memo.Bezeichnung_Click(1);
        p.memo.Bezeichnung_Click(2);
        bisZurRuhe(zaehler);
        if (bildkarte(p.memo) != 0) {
            state.SkipWithError("the word game shows pictures");
            return;
        }
        zaehler.summe = 0;

        const test::Bildmeldungen meldungen(p.fenster);
        const Uhr::time_point start = Uhr::now();
        listeKlicken(p, Fotoliste);
        bisZurRuhe(zaehler);
        state.SetIterationTime(sekunden(start));
        const bool vorbereitetAlle = meldungen.abwarten(p.memo);
        vorbereitet = std::max(vorbereitet, sekunden(start));

        if (bildkarte(p.memo) == 0 || zaehler.summe == 0 || !vorbereitetAlle) {
            state.SkipWithError("the photos were not dealt and prepared");
            return;
        }
    }
    state.counters["vorbereitet_ms"] = vorbereitet * 1000;
}
BENCHMARK(BM_FotosAusteilen)
    ->Apply(mitSpanne)
    ->Iterations(5)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// A covered photo card clicked, until the window has come to rest: at 100 % and full screen,
// with the photos of the deal prepared, as they are within a second of the deal; and at 100 %
// clicked at once after the deal (sofort), when the card's photo is decoded by the click.
void BM_BildkarteUmdrehen(benchmark::State& state) {
    const bool vollbild = state.range(0) != 0;
    const bool sofort = state.range(1) != 0;
    Sitzung p(bilderordner());
    listeKlicken(p, Fotoliste);
    p.fenster.groesse().vollbildSetzen(vollbild);
    Malzaehler zaehler;
    double langsamste = 0;
    for (auto _ : state) {
        // Another list in between, so that the photos are decoded afresh.
        listeKlicken(p, QStringLiteral("VUNMEMO.TXT"));
        const test::Bildmeldungen meldungen(p.fenster);
        listeKlicken(p, Fotoliste);
        bisZurRuhe(zaehler);
        if (!sofort && !meldungen.abwarten(p.memo)) {
            state.SkipWithError("the photos were not prepared");
            return;
        }
        const int karte = bildkarte(p.memo);
        zaehler.summe = 0;

        const Uhr::time_point start = Uhr::now();
        p.klick(p.fenster.karte(karte));
        bisZurRuhe(zaehler);
        const double dauer = sekunden(start);
        state.SetIterationTime(dauer);
        langsamste = std::max(langsamste, dauer);

        if (!p.memo.karte(karte).inhalt.istBild() || zaehler.summe == 0) {
            state.SkipWithError("the card was not shown with its picture");
            return;
        }
    }
    state.counters["langsamste_ms"] = langsamste * 1000;
    state.counters["bildhoehe"] = p.fenster.karte(1)->bildfeld().height();
}
BENCHMARK(BM_BildkarteUmdrehen)
    ->Apply(mitSpanne)
    ->ArgNames({"vollbild", "sofort"})
    ->Args({0, 0})
    ->Args({1, 0})
    ->Args({0, 1})
    ->Iterations(5)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// One whole game in a fresh process (filter "Spitzenspeicher", one benchmark per process): the
// list chosen, every pair found at 100 % and the last ones in full screen, then the process's
// peak resident memory (counter spitze_kib). Argument 0 plays the words, 1 the photos.
void BM_Spitzenspeicher(benchmark::State& state) {
    const bool fotos = state.range(0) != 0;
    for (auto _ : state) {
        Sitzung p(bilderordner());
        const test::Bildmeldungen meldungen(p.fenster);
        listeKlicken(p, fotos ? Fotoliste : QStringLiteral("VUNMEMO.TXT"));
        Malzaehler zaehler;
        bisZurRuhe(zaehler);
        std::array<bool, Kartenzahl> gefunden{};
        int paare = 0;
        for (int k = 1; k <= Kartenzahl && paare < 8; ++k) {
            const int partner = test::partner(p.memo, k);
            if (gefunden.at(k - 1))
                continue;
            if (paare == 5)
                p.fenster.groesse().vollbildSetzen(true);
            p.klick(p.fenster.karte(k));
            p.klick(p.fenster.karte(partner));
            bisZurRuhe(zaehler);
            gefunden.at(k - 1) = gefunden.at(partner - 1) = true;
            ++paare;
        }
        if (!meldungen.abwarten(p.memo)) {
            state.SkipWithError("the photos were not prepared at full screen");
            return;
        }
    }
    rusage verbrauch{};
    getrusage(RUSAGE_SELF, &verbrauch);
    state.counters["spitze_kib"] = double(verbrauch.ru_maxrss);
}
BENCHMARK(BM_Spitzenspeicher)
    ->ArgName("fotos")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

// "vun-memory --drucken" on a picture list, from reading the file to the renamed PDF: 300
// word-picture pairs (600 cards, 40 pages), and the nine word-photo pairs (counter pdf_mib, the
// size of the file written).
void BM_BilderPdf(benchmark::State& state) {
    const QString liste =
        QDir(bilderordner()).filePath(state.range(0) == 300 ? Bilderliste300 : Fotoliste);
    QTemporaryDir ordner;
    const QString pdf = ordner.filePath(QStringLiteral("karten.pdf"));
    const QStringList befehl{QStringLiteral("vun-memory"), QStringLiteral("--drucken"), liste, pdf};
    QtDrucker drucker;
    StilleDialoge dialoge;
    for (auto _ : state)
        if (druckbefehl(befehl, drucker, dialoge, QtBildleser()) != 0)
            state.SkipWithError("nicht geschrieben");
    state.counters["pdf_mib"] = double(QFileInfo(pdf).size()) / (1024 * 1024);
}
BENCHMARK(BM_BilderPdf)
    ->Apply(mitSpanne)
    ->ArgName("paare")
    ->Arg(9)
    ->Arg(300)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char* argv[]) {
    return vun::bench::fensterBenchmarks(argc, argv);
}
