// Feeds arbitrary bytes to the sample tables of an .m4a file and holds them to what the decoder
// relies on: a track found has a configuration and samples within the limits, each lying whole
// in the bytes; nothing ever hangs, crashes or takes memory a claimed count asks for.
#include "sound/mp4proben.h"

#include <QBuffer>
#include <QByteArray>
#include <cstdint>
#include <cstdlib>

namespace {

void pruefe(bool bedingung) {
    if (!bedingung)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    QBuffer puffer;
    puffer.setData(reinterpret_cast<const char*>(daten), static_cast<qsizetype>(groesse));
    pruefe(puffer.open(QIODevice::ReadOnly));
    const auto spur = vun::ton::mp4Proben(puffer);
    if (!spur)
        return 0;
    pruefe(!spur->konfiguration.isEmpty());
    pruefe(!spur->proben.isEmpty() && spur->proben.size() <= vun::ton::MaxProben);
    for (const vun::ton::Mp4Probe& probe : spur->proben)
        pruefe(probe.groesse > 0 && probe.groesse <= vun::ton::MaxProbe && probe.stelle >= 0 &&
               probe.stelle + probe.groesse <= qint64(groesse));
    return 0;
}
