#include "sound/dekoder.h"

#include "wordlist/klangeintrag.h"

#include <QFile>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vun::ton {

namespace {

// A decoder that ends where a list's longest sound ends, with a second to spare: a file changed
// after its check, whatever its headers claim, never plays on for hours.
class Begrenzt : public Dekoder {
public:
    explicit Begrenzt(std::unique_ptr<Dekoder> innen)
        : innen_(std::move(innen)), rest_(qint64(innen_->rate()) * (MaxKlangdauer + 1000) / 1000) {}
    int rate() const override { return innen_->rate(); }
    int kanaele() const override { return innen_->kanaele(); }
    qint64 lesen(qint16* ziel, qint64 bilder) override {
        const qint64 n = rest_ > 0 ? innen_->lesen(ziel, qMin(bilder, rest_)) : 0;
        rest_ -= n;
        return n;
    }

private:
    std::unique_ptr<Dekoder> innen_;
    qint64 rest_;
};

// The file opened without waiting, and only where it still is a regular file.
std::unique_ptr<QIODevice> regulaerOeffnen(const QString& pfad) {
    const int fd = ::open(QFile::encodeName(pfad).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return nullptr;
    struct stat st {};
    auto datei = std::make_unique<QFile>();
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) ||
        !datei->open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return nullptr;
    }
    return datei;
}

} // namespace

std::unique_ptr<Dekoder> dekoderOeffnen(const QString& datei, Klangformat format) {
    if (format == Klangformat::Keines)
        return nullptr;
    std::unique_ptr<QIODevice> geraet = regulaerOeffnen(datei);
    if (!geraet)
        return nullptr;
    std::unique_ptr<Dekoder> dekoder = format == Klangformat::M4a ? aacDekoder(std::move(geraet))
                                       : format == Klangformat::OggFlac
                                           ? oggFlacDekoder(std::move(geraet))
                                           : sndfileDekoder(std::move(geraet));
    if (!dekoder)
        return nullptr;
    return std::make_unique<Begrenzt>(std::move(dekoder));
}

} // namespace vun::ton
