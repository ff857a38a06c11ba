#include "wordlist/dateilesen.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace vun {

namespace {

constexpr qint64 Blockgroesse = 64 * 1024;

// Counts the entries of bytes that arrive block by block: lines holding something besides
// blanks and tabs, in 16-bit units after a UTF-16 byte-order mark and in bytes otherwise (CR, LF,
// blank and tab are single bytes in UTF-8 and Windows-1252), so the decoded text has as many.
// Whether the bytes are UTF-16 shows in their first two; a unit may then be split between two
// blocks. The count may differ from the text's by one: a line of nothing but a UTF-8 byte-order
// mark counts, which the limit allows for; a lone first byte or a last odd byte of UTF-16 does
// not, which only lets the read go on a little (the judgement counts the text's entries again).
class Zaehler {
public:
    qsizetype anzahl = 0;

    void weiter(QByteArrayView block) {
        for (char c : block)
            byte(uchar(c));
    }

private:
    void byte(uchar b) {
        if (gesehen_ < 2) {
            anfang_[gesehen_++] = b;
            if (gesehen_ < 2)
                return;
            if ((anfang_[0] == 0xFF && anfang_[1] == 0xFE) ||
                (anfang_[0] == 0xFE && anfang_[1] == 0xFF)) {
                breite_ = 2;
                kleinEnde_ = anfang_[0] == 0xFF;
                return; // the mark itself is no character of the text
            }
            einheit(anfang_[0]);
            einheit(anfang_[1]);
            return;
        }
        if (breite_ == 1) {
            einheit(b);
        } else if (halb_ < 0) {
            halb_ = b;
        } else {
            einheit(kleinEnde_ ? (b << 8 | halb_) : (halb_ << 8 | b));
            halb_ = -1;
        }
    }
    void einheit(unsigned e) {
        if (e == '\r' || e == '\n') {
            inEintrag_ = false;
        } else if (e != ' ' && e != '\t' && !inEintrag_) {
            inEintrag_ = true;
            ++anzahl;
        }
    }

    uchar anfang_[2] = {};
    int gesehen_ = 0;
    int breite_ = 1;
    bool kleinEnde_ = true;
    int halb_ = -1;
    bool inEintrag_ = false;
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
    Wortdateifehler oeffnen(const QString& pfad, qint64& groesse) {
#ifdef Q_OS_UNIX
        fd_ = ::open(QFile::encodeName(pfad).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd_ < 0)
            return errno == ENOENT || errno == ENOTDIR ? Wortdateifehler::Fehlt
                                                       : Wortdateifehler::NichtLesbar;
        struct stat info {};
        if (::fstat(fd_, &info) != 0)
            return Wortdateifehler::NichtLesbar;
        if (S_ISDIR(info.st_mode))
            return Wortdateifehler::Ordner;
        if (!S_ISREG(info.st_mode) ||
            ::fcntl(fd_, F_SETFL, ::fcntl(fd_, F_GETFL) & ~O_NONBLOCK) != 0)
            return Wortdateifehler::NichtLesbar;
        groesse = info.st_size;
        return datei_.open(fd_, QIODevice::ReadOnly | QIODevice::Unbuffered,
                           QFileDevice::DontCloseHandle)
                   ? Wortdateifehler::Keiner
                   : Wortdateifehler::NichtLesbar;
#else
        const QFileInfo info(pfad);
        if (!info.exists())
            return Wortdateifehler::Fehlt;
        if (info.isDir())
            return Wortdateifehler::Ordner;
        groesse = info.size();
        datei_.setFileName(pfad);
        return info.isFile() && datei_.open(QIODevice::ReadOnly | QIODevice::Unbuffered)
                   ? Wortdateifehler::Keiner
                   : Wortdateifehler::NichtLesbar;
#endif
    }

    QIODevice& geraet() {
        return datei_;
    }

private:
    QFile datei_;
#ifdef Q_OS_UNIX
    int fd_ = -1;
#endif
};

} // namespace

std::optional<QByteArray> dateiBytesLesen(const QString& pfad, int maxEintraege,
                                          Wortdateifehler& fehler) {
    Lesedatei datei;
    qint64 groesse = 0;
    fehler = datei.oeffnen(pfad, groesse);
    if (fehler != Wortdateifehler::Keiner)
        return std::nullopt;
    return bytesLesen(datei.geraet(), groesse, maxEintraege, fehler);
}

std::optional<QByteArray> bytesLesen(QIODevice& quelle, qint64 groesse, int maxEintraege,
                                     Wortdateifehler& fehler) {
    QByteArray bytes;
    bytes.reserve(qBound<qint64>(0, groesse, MaxDateigroesse) + 1);
    Zaehler zaehler;
    for (;;) {
        // One byte beyond the limit is asked for, so a file of exactly the limit is not refused.
        const qint64 wunsch = qMin(Blockgroesse, MaxDateigroesse + 1 - bytes.size());
        const qsizetype alt = bytes.size();
        bytes.resize(alt + wunsch);
        const qint64 gelesen = quelle.read(bytes.data() + alt, wunsch);
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
