#include "wordlist/dateilesen.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace vun {

namespace {

constexpr qint64 Blockgroesse = 64 * 1024;

bool istZeilenende(char c) {
    return c == '\r' || c == '\n';
}

// Counts the entries of bytes that arrive block by block.
struct Zaehler {
    qsizetype anzahl = 0;
    bool inZeile = false;

    void weiter(QByteArrayView block) {
        for (char c : block) {
            const bool ende = istZeilenende(c);
            if (!ende && !inZeile)
                ++anzahl;
            inZeile = !ende;
        }
    }
};

// A word-list file open for reading; closed again when it goes out of scope, whatever happened.
class Lesedatei {
public:
    Lesedatei() = default;
    Lesedatei(const Lesedatei&) = delete;
    Lesedatei& operator=(const Lesedatei&) = delete;
    ~Lesedatei() {
        datei_.close();
#ifdef Q_OS_UNIX
        if (fd_ >= 0)
            ::close(fd_);
#endif
    }

    // Opens only a regular file. A pipe named like a list would block the open, and a folder
    // opens on Linux, so the kind is checked on the open handle itself, not on the name before.
    bool oeffnen(const QString& pfad, qint64& groesse) {
#ifdef Q_OS_UNIX
        fd_ = ::open(QFile::encodeName(pfad).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        struct stat info {};
        if (fd_ < 0 || ::fstat(fd_, &info) != 0 || !S_ISREG(info.st_mode) ||
            ::fcntl(fd_, F_SETFL, ::fcntl(fd_, F_GETFL) & ~O_NONBLOCK) != 0)
            return false;
        groesse = info.st_size;
        return datei_.open(fd_, QIODevice::ReadOnly | QIODevice::Unbuffered,
                           QFileDevice::DontCloseHandle);
#else
        const QFileInfo info(pfad);
        if (!info.isFile())
            return false;
        groesse = info.size();
        datei_.setFileName(pfad);
        return datei_.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
#endif
    }

    qint64 lesen(char* ziel, qint64 hoechstens) {
        return datei_.read(ziel, hoechstens);
    }

private:
    QFile datei_;
#ifdef Q_OS_UNIX
    int fd_ = -1;
#endif
};

} // namespace

qsizetype eintraegeZaehlen(QByteArrayView bytes) {
    Zaehler zaehler;
    zaehler.weiter(bytes);
    return zaehler.anzahl;
}

std::optional<QByteArray> dateiBytesLesen(const QString& pfad, int maxEintraege,
                                          Wortdateifehler& fehler) {
    Lesedatei datei;
    qint64 groesse = 0;
    if (!datei.oeffnen(pfad, groesse)) {
        fehler = Wortdateifehler::NichtGeoeffnet;
        return std::nullopt;
    }
    QByteArray bytes;
    bytes.reserve(qBound<qint64>(0, groesse, MaxDateigroesse) + 1);
    Zaehler zaehler;
    for (;;) {
        // One byte beyond the limit is asked for, so a file of exactly the limit is not refused.
        const qint64 wunsch = qMin(Blockgroesse, MaxDateigroesse + 1 - bytes.size());
        const qsizetype alt = bytes.size();
        bytes.resize(alt + wunsch);
        const qint64 gelesen = datei.lesen(bytes.data() + alt, wunsch);
        if (gelesen < 0) {
            fehler = Wortdateifehler::Lesefehler;
            return std::nullopt;
        }
        bytes.resize(alt + gelesen);
        if (gelesen == 0)
            break;
        if (bytes.size() > MaxDateigroesse) {
            fehler = Wortdateifehler::ZuGross;
            return std::nullopt;
        }
        zaehler.weiter(QByteArrayView(bytes).sliced(alt));
        // The first line may be nothing but a byte-order mark, which is no entry.
        if (zaehler.anzahl > maxEintraege + 1) {
            fehler = Wortdateifehler::ZuVieleEintraege;
            return std::nullopt;
        }
    }
    fehler = Wortdateifehler::Keiner;
    return bytes;
}

} // namespace vun
