// AAC from an .m4a file through libfaad2, one sample (an AAC frame) at a time as the sample
// tables place it. The first frame is decoded on opening: only the frames tell the real rate
// and channels (implicit SBR doubles the configuration's rate, parametric stereo makes a mono
// configuration stereo), and a file whose first frame fails is no sound at all.
#include "sound/faad.h"
#include "sound/klangkopf.h"
#include "sound/mp4proben.h"
#include "sound/rahmendekoder.h"

#include <QIODevice>
#include <algorithm>
#include <type_traits>
#include <vector>

namespace vun::ton {

namespace {

struct Schliessen {
    void operator()(NeAACDecHandle handle) const { faad()->schliessen(handle); }
};
using Faadgriff = std::unique_ptr<std::remove_pointer_t<NeAACDecHandle>, Schliessen>;

// More channels than AAC's 7.1 are not a sound a card plays.
constexpr int MaxKanaele = 8;

class AacDekoder final : public Rahmendekoder {
public:
    AacDekoder(std::unique_ptr<QIODevice> datei, QList<Mp4Probe> proben, Faadgriff faad)
        : datei_(std::move(datei)), quelle_(*datei_), proben_(std::move(proben)),
          faad_(std::move(faad)) {}

    // Decodes the first frame and takes its rate and channels; false where it fails.
    bool oeffnen() {
        NeAACDecFrameInfo info{};
        if (!dekodieren(info))
            return false;
        rate_ = int(info.samplerate);
        kanaele_ = info.channels;
        if (rate_ <= 0 || kanaele_ <= 0 || kanaele_ > MaxKanaele)
            return false;
        return uebernehmen(info);
    }

    int rate() const override { return rate_; }
    int kanaele() const override { return kanaele_; }

private:
    // The next sample decoded into the store. A frame that fails, or changes the rate or the
    // channels the player was opened with, ends the sound: after it nothing can be trusted.
    bool naechsterRahmen() override {
        NeAACDecFrameInfo info{};
        if (ende_ || !dekodieren(info) || int(info.samplerate) != rate_ ||
            info.channels != kanaele_ || !uebernehmen(info)) {
            ende_ = true;
            return false;
        }
        return true;
    }

    // The next sample through the decoder; false where none is left or it fails.
    bool dekodieren(NeAACDecFrameInfo& info) {
        if (naechste_ == proben_.size())
            return false;
        const Mp4Probe probe = proben_[naechste_++];
        QByteArray bytes = quelle_.lesen(probe.stelle, probe.groesse);
        if (bytes.size() != probe.groesse)
            return false;
        ausgabe_ = static_cast<const qint16*>(
            faad()->dekodieren(faad_.get(), &info, reinterpret_cast<unsigned char*>(bytes.data()),
                               static_cast<unsigned long>(bytes.size())));
        return info.error == 0 && (ausgabe_ != nullptr || info.samples == 0);
    }

    // The decoder's output, which lives only until the next frame, into the store.
    bool uebernehmen(const NeAACDecFrameInfo& info) {
        if (info.samples % unsigned(kanaele_) != 0)
            return false;
        vorrat_.assign(ausgabe_, ausgabe_ + info.samples);
        return true;
    }

    std::unique_ptr<QIODevice> datei_;
    klangkopf::Quelle quelle_;
    QList<Mp4Probe> proben_;
    qsizetype naechste_ = 0;
    Faadgriff faad_;
    const qint16* ausgabe_ = nullptr;
    int rate_ = 0;
    int kanaele_ = 0;
    bool ende_ = false;
};

// A decoder for the configuration, giving 16-bit samples and every channel as it is; nothing
// where libfaad2 is not installed.
Faadgriff faadOeffnen(QByteArray konfiguration) {
    const Faad* const f = faad();
    if (!f)
        return nullptr;
    Faadgriff faad(f->oeffnen());
    if (!faad)
        return nullptr;
    NeAACDecConfigurationPtr einstellung = f->konfiguration(faad.get());
    if (!einstellung)
        return nullptr;
    einstellung->outputFormat = FAAD_FMT_16BIT;
    einstellung->downMatrix = 0;
    if (!f->konfigurieren(faad.get(), einstellung))
        return nullptr;
    unsigned long rate = 0;
    unsigned char kanaele = 0;
    if (f->anfangen(faad.get(), reinterpret_cast<unsigned char*>(konfiguration.data()),
                    static_cast<unsigned long>(konfiguration.size()), &rate, &kanaele) < 0)
        return nullptr;
    return faad;
}

} // namespace

std::unique_ptr<Dekoder> aacDekoder(std::unique_ptr<QIODevice> datei) {
    if (!datei || !datei->isOpen())
        return nullptr;
    auto spur = mp4Proben(*datei);
    if (!spur)
        return nullptr;
    Faadgriff faad = faadOeffnen(spur->konfiguration);
    if (!faad)
        return nullptr;
    auto dekoder =
        std::make_unique<AacDekoder>(std::move(datei), std::move(spur->proben), std::move(faad));
    if (!dekoder->oeffnen())
        return nullptr;
    return dekoder;
}

} // namespace vun::ton
