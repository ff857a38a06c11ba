#pragma once

// What the benchmarks of the real windows share: counting paints, waiting until the window has
// come to rest, the program's main window started as the program starts it, and the offscreen
// platform on a screen of a common projector's size.
#include "bench/benchhilfe.h"
#include "ui/hauptfenster.h"
#include "ui/programm.h"

#include <QApplication>
#include <QFile>
#include <QHash>
#include <QTemporaryDir>
#include <QTest>
#include <array>
#include <benchmark/benchmark.h>
#include <chrono>

namespace vun::bench {

using Uhr = std::chrono::steady_clock;

inline double sekunden(Uhr::time_point start) {
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
inline void bisZurRuhe(const Malzaehler& zaehler) {
    int vorher = -1;
    while (zaehler.summe != vorher) {
        vorher = zaehler.summe;
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

// The program's main window started as the program starts it: in a folder of its own on the
// built-in word list, or in the given folder on its start-up list.
struct Sitzung {
    QTemporaryDir eigenerOrdner;
    StilleDialoge dialoge;
    Zufallsgenerator zufall{7};
    ui::Programm programm;
    Memo& memo = programm.memo();
    ui::Hauptfenster& fenster = programm.fenster();
    // The cards the game reported as changed, heard beside the window.
    std::array<bool, Kartenzahl> gemeldet{};

    explicit Sitzung(const QString& ordner = {}, Vorlesen::Sprecherquelle stimme = {})
        : programm(ui::Startort{QDir(ordner.isEmpty() ? eigenerOrdner.path() : ordner), {}},
                   {.dialoge = &dialoge, .zufall = &zufall, .sprecher = std::move(stimme)}) {
        programm.starten();
        QObject::connect(&memo, &Memo::karteGeaendert,
                         [this](int karte) { gemeldet.at(karte - 1) = true; });
    }

    // A click as the window system delivers it, at the middle of a widget of the window.
    void klick(QWidget* ziel) {
        const QPoint mitte = ziel->mapTo(&fenster, ziel->rect().center());
        QTest::mouseClick(fenster.windowHandle(), Qt::LeftButton, {}, mitte);
    }
};

// Real widgets and real painting, without a display, on a screen of a common projector's size:
// the offscreen platform's own is 800x600, too small for the window at 200 %. The description
// lies in the given folder; false when it cannot be written.
inline bool offscreenMitBildschirm(const QTemporaryDir& ordner) {
    QFile bildschirm(ordner.filePath(QStringLiteral("bildschirm.json")));
    if (!bildschirm.open(QIODevice::WriteOnly) ||
        bildschirm.write(R"({"screens":[{"name":"s","x":0,"y":0,"width":1920,"height":1080,)"
                         R"("logicalDpi":96,"logicalBaseDpi":96,"dpr":1}]})") < 0)
        return false;
    bildschirm.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + bildschirm.fileName().toLocal8Bit());
    return true;
}

// The offscreen platform cannot raise a window nor pass a fixed size on, and says so on every
// show and every zoom; nothing else is dropped.
inline QtMessageHandler& vorigeMeldungen() {
    static QtMessageHandler vorher = nullptr;
    return vorher;
}
inline void ohneRaiseHinweis(QtMsgType art, const QMessageLogContext& ort, const QString& text) {
    if (!text.contains(QLatin1String("does not support raise()")) &&
        !text.contains(QLatin1String("does not support propagateSizeHints()")))
        vorigeMeldungen()(art, ort, text);
}
inline void hinweiseDerPlattformUnterdruecken() {
    vorigeMeldungen() = qInstallMessageHandler(ohneRaiseHinweis);
}

// The main function of a benchmark of windows: the benchmarks registered, run on the offscreen
// platform's projector screen, with their command line; 1 where that cannot be set up.
inline int fensterBenchmarks(int argc, char* argv[]) {
    QTemporaryDir ordner;
    if (!offscreenMitBildschirm(ordner))
        return 1;
    hinweiseDerPlattformUnterdruecken();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    QApplication app(argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace vun::bench
