// Loading a list of picture pairs through the program's own reader and Qt's picture reader:
// every picture's path checked and its file read for its size and completeness.
#include "bench/benchhilfe.h"
#include "game/listeladen.h"
#include "pictures/qtbildleser.h"
#include "tests/support/dateien.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace vun;

namespace {

// A teacher's pictures: drawings as PNG (640 x 480), photos as JPEG (1600 x 1200, 2 megapixels),
// and SVG drawings, one in three of each; with noise, so they compress as real pictures do.
QByteArray bilddatei(int i) {
    const int art = i % 3;
    if (art == 2)
        return QStringLiteral("<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 64 48'>"
                              "<circle cx='32' cy='24' r='%1' fill='#e0a020'/>"
                              "<path d='M4 44 L%2 8 L60 44 Z' fill='none' stroke='#204080'/>"
                              "</svg>")
            .arg(4 + i % 18)
            .arg(8 + i % 48)
            .toUtf8();
    QImage bild(art == 0 ? QSize(640, 480) : QSize(1600, 1200), QImage::Format_RGB32);
    QRandomGenerator zufall{quint32(i)};
    bild.fill(QColor::fromHsv(i * 37 % 360, 120, 230));
    QPainter maler(&bild);
    for (int k = 0; k < 200; ++k)
        maler.fillRect(int(zufall.bounded(bild.width())), int(zufall.bounded(bild.height())), 40,
                       30, QColor::fromRgb(zufall.generate()));
    maler.end();
    QByteArray bytes;
    QBuffer puffer(&bytes);
    puffer.open(QIODevice::WriteOnly);
    bild.save(&puffer, art == 0 ? "png" : "jpeg", 85);
    return bytes;
}

const char* const Endungen[] = {"png", "jpg", "svg"};

// The folder with the list "Wort = bilder/bild7.jpg" of n pairs and its pictures.
QTemporaryDir& ordnerMit(int n) {
    static QTemporaryDir tmp;
    const QDir ordner(tmp.path());
    if (!ordner.exists(QStringLiteral("BILDER%1.TXT").arg(n))) {
        ordner.mkdir(QStringLiteral("bilder"));
        QStringList zeilen;
        for (int i = 0; i < n; ++i) {
            const QString name = QStringLiteral("bilder/bild%1.%2").arg(i).arg(Endungen[i % 3]);
            if (!ordner.exists(name))
                test::dateiSchreiben(ordner.filePath(name), bilddatei(i));
            zeilen << QStringLiteral("Wörterbuch%1straße = %2").arg(i).arg(name);
        }
        test::wortlisteSchreiben(ordner.filePath(QStringLiteral("BILDER%1.TXT").arg(n)), zeilen);
    }
    return tmp;
}

void BM_BilderlisteLaden(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const QDir ordner(ordnerMit(n).path());
    const QString name = QStringLiteral("BILDER%1.TXT").arg(n);
    bench::StilleDialoge dialoge;
    const QtBildleser bildleser;
    Wortliste liste2;
    for (auto _ : state) {
        DateiEinlesen(name, liste2, dialoge, bildleser, ordner);
        benchmark::DoNotOptimize(liste2.eintraege().size());
    }
    if (liste2.eintraege().size() != n || liste2.art() != Listenart::Paare)
        state.SkipWithError("the list did not load");
    state.SetItemsProcessed(state.iterations() * n);
}

} // namespace

BENCHMARK(BM_BilderlisteLaden)
    ->Apply(bench::mitSpanne)
    ->Arg(9)
    ->Arg(300)
    ->Unit(benchmark::kMillisecond);

int main(int argc, char* argv[]) {
    // The SVG reader wants an application for its fonts; no display is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    QGuiApplication app(argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
