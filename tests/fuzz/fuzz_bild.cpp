// Feeds arbitrary bytes to the picture checks and the sound checks and holds them to what they
// promise the list's rules: a picture taken is one of a format the game reads, of a size a card
// shows; an SVG is taken only where it is safe to draw; a sound taken has a format and a length;
// nothing ever hangs, crashes or takes memory beyond reason.
#include "pictures/qtbildleser.h"
#include "pictures/svgpruefung.h"
#include "sound/klangpruefung.h"
#include "wordlist/bildeintrag.h"

#include <QBuffer>
#include <QByteArray>
#include <QGuiApplication>
#include <cstdint>
#include <cstdlib>

namespace {

void pruefe(bool bedingung) {
    if (!bedingung)
        std::abort();
}

// The sound checks read only headers and the file's end, whatever the bytes claim.
void klangPruefen(const QByteArray& bytes) {
    QBuffer puffer;
    puffer.setData(bytes);
    pruefe(puffer.open(QIODevice::ReadOnly));
    const vun::Klangbefund befund = vun::klangPruefen(puffer);
    if (befund.abspielbar)
        pruefe(befund.format != vun::Klangformat::Keines && befund.dauer >= 0);
}

} // namespace

// An SVG is drawn once to be checked, and its text needs fonts: a Gui application without a
// screen.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication anwendung(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    const QByteArray bytes(reinterpret_cast<const char*>(daten), static_cast<qsizetype>(groesse));
    klangPruefen(bytes);
    const vun::Bildformat format =
        vun::bildformatAusInhalt(bytes.first(qMin<qsizetype>(bytes.size(), 64)));
    const bool sicher = vun::svgSicher(bytes);
    QBuffer puffer;
    puffer.setData(bytes);
    pruefe(puffer.open(QIODevice::ReadOnly));
    const vun::Bildbefund befund = vun::QtBildleser().pruefen(puffer, QStringLiteral("x.png"));
    // A format no reader here takes is told for a phone's or a camera's photo only.
    if (befund.ohneLeser != vun::Fotoformat::Keines)
        pruefe(!befund.lesbar && format >= vun::Bildformat::Heif);
    if (!befund.lesbar)
        return 0;
    pruefe(format != vun::Bildformat::Unbekannt);
    pruefe(!befund.groesse.isEmpty());
    pruefe(befund.vektor == (format == vun::Bildformat::Svg));
    if (befund.vektor)
        pruefe(sicher);
    else
        pruefe(!vun::bildZuGross(befund.groesse));
    return 0;
}
