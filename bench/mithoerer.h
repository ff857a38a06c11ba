#pragma once

// What reaches the sound server, for the benchmarks that hear the real program: the monitor of
// the sink "stumm" recorded by parec (scripts/vorlesezeit and scripts/klangzeit set it up).
#include <QProcess>
#include <chrono>
#include <cstdlib>
#include <optional>

namespace vun::bench {

using Uhr = std::chrono::steady_clock;

constexpr int Abtastrate = 16000;
constexpr int Schwelle = 200; // above the noise of a silent sink, far below a spoken word

// The sink's monitor as it comes, 16 kHz mono 16 bit.
class Mithoerer {
public:
    Mithoerer() {
        parec_.start(QStringLiteral("parec"),
                     {"-d", "stumm.monitor", "--raw", "--format=s16le", "--channels=1",
                      QStringLiteral("--rate=%1").arg(Abtastrate), "--latency-msec=5"});
        bereit = parec_.waitForStarted(5000);
    }
    ~Mithoerer() {
        parec_.kill();
        parec_.waitForFinished(2000);
    }
    bool bereit = false;

    // Waits, at most frist seconds, until the recording delivers: parec's first samples come
    // 1.7 s after its start, and a sound played before them is timed by the recorder's start.
    bool hoertZu(double frist) {
        const Uhr::time_point ende = Uhr::now() + std::chrono::duration_cast<Uhr::duration>(
                                                      std::chrono::duration<double>(frist));
        while (Uhr::now() < ende)
            if (parec_.waitForReadyRead(5) && !parec_.readAll().isEmpty())
                return true;
        return false;
    }

    // When the first loud sample arrived, from what comes within frist seconds; the moment is
    // the arrival of its chunk less the samples that follow it there.
    std::optional<Uhr::time_point> ersterLauterTon(double frist) {
        const Uhr::time_point ende = Uhr::now() + std::chrono::duration_cast<Uhr::duration>(
                                                      std::chrono::duration<double>(frist));
        while (Uhr::now() < ende) {
            parec_.waitForReadyRead(5);
            const QByteArray stueck = parec_.readAll();
            const Uhr::time_point angekommen = Uhr::now();
            const auto* proben = reinterpret_cast<const qint16*>(stueck.constData());
            const qsizetype n = stueck.size() / 2;
            for (qsizetype i = 0; i < n; ++i)
                if (std::abs(int(proben[i])) > Schwelle)
                    return angekommen - std::chrono::microseconds((n - i) * 1000000 / Abtastrate);
        }
        return std::nullopt;
    }
    // Waits for stille seconds without a loud sample, at most frist seconds.
    bool stilleAbwarten(double stille, double frist) {
        const Uhr::time_point ende = Uhr::now() + std::chrono::duration_cast<Uhr::duration>(
                                                      std::chrono::duration<double>(frist));
        while (Uhr::now() < ende)
            if (!ersterLauterTon(stille))
                return true;
        return false;
    }

private:
    QProcess parec_;
};

} // namespace vun::bench
