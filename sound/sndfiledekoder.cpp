// Every format but AAC through libsndfile, which reads them from the bytes whatever the file's
// name, reading the file through its Qt device so that the file the check opened is the one
// played.
#include "sound/dekoder.h"

#include <QIODevice>
#include <sndfile.h>

namespace vun::ton {

namespace {

QIODevice& geraet(void* daten) {
    return *static_cast<QIODevice*>(daten);
}

sf_count_t laenge(void* daten) {
    return geraet(daten).size();
}

sf_count_t suchen(sf_count_t versatz, int woher, void* daten) {
    QIODevice& d = geraet(daten);
    const qint64 basis = woher == SEEK_CUR ? d.pos() : woher == SEEK_END ? d.size() : 0;
    const qint64 ziel = basis + versatz;
    return ziel >= 0 && d.seek(ziel) ? ziel : -1;
}

sf_count_t lesen(void* ziel, sf_count_t anzahl, void* daten) {
    const qint64 gelesen = geraet(daten).read(static_cast<char*>(ziel), anzahl);
    return gelesen < 0 ? 0 : gelesen;
}

sf_count_t schreiben(const void*, sf_count_t, void*) {
    return 0; // the game never writes a list's sound
}

sf_count_t stelle(void* daten) {
    return geraet(daten).pos();
}

SF_VIRTUAL_IO Zugang{laenge, suchen, lesen, schreiben, stelle};

class SndfileDekoder : public Dekoder {
public:
    SndfileDekoder(std::unique_ptr<QIODevice> datei, SNDFILE* sf, const SF_INFO& info)
        : datei_(std::move(datei)), sf_(sf), info_(info) {}
    ~SndfileDekoder() override { sf_close(sf_); }
    int rate() const override { return info_.samplerate; }
    int kanaele() const override { return info_.channels; }
    qint64 lesen(qint16* ziel, qint64 bilder) override {
        const sf_count_t n = sf_readf_short(sf_, ziel, bilder);
        return n > 0 ? n : 0;
    }

private:
    std::unique_ptr<QIODevice> datei_;
    SNDFILE* sf_;
    SF_INFO info_;
};

// Whether this libsndfile was built with the major format and its encoding.
bool kann(int major, int subtyp) {
    auto gefunden = [](int zaehlen, int holen, int format) {
        int anzahl = 0;
        sf_command(nullptr, zaehlen, &anzahl, sizeof anzahl);
        for (int i = 0; i < anzahl; ++i) {
            SF_FORMAT_INFO info{};
            info.format = i;
            if (sf_command(nullptr, holen, &info, sizeof info) == 0 && info.format == format)
                return true;
        }
        return false;
    };
    return gefunden(SFC_GET_FORMAT_MAJOR_COUNT, SFC_GET_FORMAT_MAJOR, major) &&
           (subtyp == 0 || gefunden(SFC_GET_FORMAT_SUBTYPE_COUNT, SFC_GET_FORMAT_SUBTYPE, subtyp));
}

} // namespace

std::unique_ptr<Dekoder> sndfileDekoder(std::unique_ptr<QIODevice> datei) {
    SF_INFO info{};
    SNDFILE* sf = sf_open_virtual(&Zugang, SFM_READ, &info, datei.get());
    if (!sf)
        return nullptr;
    if (info.samplerate <= 0 || info.channels <= 0) {
        sf_close(sf);
        return nullptr;
    }
    // A loud recording in floating point is clipped, not wrapped round into a crack.
    sf_command(sf, SFC_SET_CLIPPING, nullptr, SF_TRUE);
    return std::make_unique<SndfileDekoder>(std::move(datei), sf, info);
}

bool sndfileKann(Klangformat format) {
    switch (format) {
    case Klangformat::Vorbis:
        return kann(SF_FORMAT_OGG, SF_FORMAT_VORBIS);
    case Klangformat::Opus:
        return kann(SF_FORMAT_OGG, SF_FORMAT_OPUS);
    case Klangformat::Wav:
        return kann(SF_FORMAT_WAV, 0);
    case Klangformat::Mp3:
        return kann(SF_FORMAT_MPEG, 0);
    case Klangformat::Flac:
        return kann(SF_FORMAT_FLAC, 0);
    case Klangformat::OggFlac:
    case Klangformat::M4a:
    case Klangformat::Keines:
        break;
    }
    return false;
}

} // namespace vun::ton
