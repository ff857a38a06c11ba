#pragma once

#include "seams/dialoge.h"
#include "seams/zufall.h"

#include <QByteArray>
#include <QString>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <vector>

namespace vun::bench {

// Dialogs that answer at once: OK to every message, Cancel to every input.
class StummeDialoge : public Dialoge {
public:
    MsgBoxAntwort MsgBox(const QString&, MsgBoxStil, const QString&) override { return AntwortOk; }
    QString InputBox(const QString&, const QString&, const QString&) override { return {}; }
};

// A word list of n different German-looking words, CR LF line ends, with umlauts.
inline QByteArray wortlistenBytes(int n) {
    QByteArray bytes;
    for (int i = 0; i < n; ++i)
        bytes += QStringLiteral("Wörterbuch%1straße\r\n").arg(i).toUtf8();
    return bytes;
}

// A pair list of n pairs of different German-looking words, in the same form.
inline QByteArray paarlistenBytes(int n) {
    QByteArray bytes;
    for (int i = 0; i < n; ++i)
        bytes += QStringLiteral("Wörterbuch%1straße = Straßen%1wörter\r\n").arg(i).toUtf8();
    return bytes;
}

// Repeated runs report their fastest and slowest beside mean, median and deviation, so every
// figure comes with its spread.
inline void mitSpanne(benchmark::internal::Benchmark* b) {
    b->ComputeStatistics(
        "min", [](const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); });
    b->ComputeStatistics(
        "max", [](const std::vector<double>& v) { return *std::max_element(v.begin(), v.end()); });
}

} // namespace vun::bench
