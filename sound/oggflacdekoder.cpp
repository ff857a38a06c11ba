// FLAC in Ogg (.oga) through libFLAC: libsndfile links libFLAC but reads only FLAC on its own,
// and fails on every Ogg FLAC file. Frames are decoded one at a time as they are asked for.
#include "sound/rahmendekoder.h"

#include <FLAC/stream_decoder.h>
#include <QIODevice>
#include <algorithm>
#include <vector>

namespace vun::ton {

namespace {

// More channels than FLAC's eight are not a sound a card plays.
constexpr unsigned MaxKanaele = 8;
// Calls that bring no frame before the sound is taken to have ended: each reads on in the file,
// and a file of garbage after its headers must not be searched through for ever.
constexpr int MaxLeerlauf = 4096;

class OggFlacDekoder final : public Rahmendekoder {
public:
    explicit OggFlacDekoder(std::unique_ptr<QIODevice> datei) : datei_(std::move(datei)) {}
    ~OggFlacDekoder() override {
        if (flac_)
            FLAC__stream_decoder_delete(flac_);
    }

    // Reads the headers and decodes the first frame, which gives the rate and channels.
    bool oeffnen() {
        flac_ = FLAC__stream_decoder_new();
        if (!flac_ || !FLAC__stream_decoder_set_md5_checking(flac_, false) ||
            FLAC__stream_decoder_init_ogg_stream(
                flac_, lesenZurueck, suchenZurueck, stelleZurueck, laengeZurueck, endeZurueck,
                rahmenZurueck, nullptr, fehlerZurueck, this) != FLAC__STREAM_DECODER_INIT_STATUS_OK)
            return false;
        return naechsterRahmen();
    }

    int rate() const override { return rate_; }
    int kanaele() const override { return int(kanaele_); }

private:
    bool naechsterRahmen() override {
        for (int i = 0; i < MaxLeerlauf && vorrat_.empty(); ++i)
            if (ende_ || !FLAC__stream_decoder_process_single(flac_) ||
                FLAC__stream_decoder_get_state(flac_) == FLAC__STREAM_DECODER_END_OF_STREAM)
                break;
        ende_ = ende_ || vorrat_.empty();
        return !ende_;
    }

    // A frame into the store as 16-bit samples; a frame that changes the rate or the channels
    // ends the sound, as nothing after it can be trusted.
    FLAC__StreamDecoderWriteStatus rahmen(const FLAC__Frame* f, const FLAC__int32* const kanal[]) {
        const FLAC__FrameHeader& kopf = f->header;
        if (rate_ == 0 && kopf.channels <= MaxKanaele) {
            rate_ = int(kopf.sample_rate);
            kanaele_ = kopf.channels;
        }
        if (int(kopf.sample_rate) != rate_ || kopf.channels != kanaele_ || rate_ <= 0 ||
            kopf.bits_per_sample < 4 || kopf.bits_per_sample > 32) {
            ende_ = true;
            return FLAC__STREAM_DECODER_WRITE_STATUS_ABORT;
        }
        const int schieben = int(kopf.bits_per_sample) - 16;
        vorrat_.resize(std::size_t(kopf.blocksize) * kanaele_);
        for (unsigned i = 0; i < kopf.blocksize; ++i)
            for (unsigned k = 0; k < kanaele_; ++k) {
                const FLAC__int32 wert = kanal[k][i];
                vorrat_[i * kanaele_ + k] =
                    qint16(schieben >= 0 ? wert >> schieben : wert * (1 << -schieben));
            }
        return FLAC__STREAM_DECODER_WRITE_STATUS_CONTINUE;
    }

    static OggFlacDekoder& von(void* daten) { return *static_cast<OggFlacDekoder*>(daten); }
    static FLAC__StreamDecoderReadStatus
    lesenZurueck(const FLAC__StreamDecoder*, FLAC__byte puffer[], size_t* bytes, void* daten) {
        const qint64 n = von(daten).datei_->read(reinterpret_cast<char*>(puffer), qint64(*bytes));
        *bytes = n > 0 ? size_t(n) : 0;
        return n > 0    ? FLAC__STREAM_DECODER_READ_STATUS_CONTINUE
               : n == 0 ? FLAC__STREAM_DECODER_READ_STATUS_END_OF_STREAM
                        : FLAC__STREAM_DECODER_READ_STATUS_ABORT;
    }
    static FLAC__StreamDecoderSeekStatus suchenZurueck(const FLAC__StreamDecoder*,
                                                       FLAC__uint64 stelle, void* daten) {
        return von(daten).datei_->seek(qint64(stelle)) ? FLAC__STREAM_DECODER_SEEK_STATUS_OK
                                                       : FLAC__STREAM_DECODER_SEEK_STATUS_ERROR;
    }
    static FLAC__StreamDecoderTellStatus stelleZurueck(const FLAC__StreamDecoder*,
                                                       FLAC__uint64* stelle, void* daten) {
        *stelle = FLAC__uint64(von(daten).datei_->pos());
        return FLAC__STREAM_DECODER_TELL_STATUS_OK;
    }
    static FLAC__StreamDecoderLengthStatus laengeZurueck(const FLAC__StreamDecoder*,
                                                         FLAC__uint64* laenge, void* daten) {
        *laenge = FLAC__uint64(von(daten).datei_->size());
        return FLAC__STREAM_DECODER_LENGTH_STATUS_OK;
    }
    static FLAC__bool endeZurueck(const FLAC__StreamDecoder*, void* daten) {
        return von(daten).datei_->atEnd();
    }
    static FLAC__StreamDecoderWriteStatus rahmenZurueck(const FLAC__StreamDecoder*,
                                                        const FLAC__Frame* f,
                                                        const FLAC__int32* const kanal[],
                                                        void* daten) {
        return von(daten).rahmen(f, kanal);
    }
    static void fehlerZurueck(const FLAC__StreamDecoder*, FLAC__StreamDecoderErrorStatus, void*) {
    } // libFLAC skips to the next frame it can read

    std::unique_ptr<QIODevice> datei_;
    FLAC__StreamDecoder* flac_ = nullptr;
    int rate_ = 0;
    unsigned kanaele_ = 0;
    bool ende_ = false;
};

} // namespace

std::unique_ptr<Dekoder> oggFlacDekoder(std::unique_ptr<QIODevice> datei) {
    if (!datei || !datei->isOpen())
        return nullptr;
    auto dekoder = std::make_unique<OggFlacDekoder>(std::move(datei));
    if (!dekoder->oeffnen())
        return nullptr;
    return dekoder;
}

} // namespace vun::ton
