// The cards' sounds into the desktop's sound server: decoded by libsndfile (and libfaad2 for
// AAC), played through libpulse. It is a module of its own, loaded only when a deal holds a
// sound: the game itself links nothing of sound, so a list of words starts as fast and small as
// ever. GStreamer and Qt Multimedia were tried before: GStreamer held 11 MiB more for a deal of
// sounds, with its registry of every plugin installed, and Qt Multimedia's player took 160 to
// 190 ms from the request to the first sample on Qt 6.4.
#include "seams/klangspieler.h"
#include "sound/dekoder.h"
#include "sound/faad.h"
#include "sound/klangpruefung.h"
#include "sound/pulseausgang.h"

#include <QFile>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QThread>
#include <memory>
#include <utility>

namespace {

using namespace vun;

Klangformat formatVon(const QString& datei) {
    QFile f(datei);
    return f.open(QIODevice::ReadOnly) ? klangPruefen(f).format : Klangformat::Keines;
}

bool decoderDa(Klangformat format) {
    if (format == Klangformat::M4a)
        return ton::faad() != nullptr;
    return format == Klangformat::Keines || format == Klangformat::OggFlac ||
           ton::sndfileKann(format);
}

Klanghindernis fehlenderDecoder(Klangformat format) {
    switch (format) {
    case Klangformat::Opus:
        return Klanghindernis::KeinOpusDecoder;
    case Klangformat::Wav:
        return Klanghindernis::KeinWavDecoder;
    case Klangformat::Mp3:
        return Klanghindernis::KeinMp3Decoder;
    case Klangformat::M4a:
        return Klanghindernis::KeinAacDecoder;
    case Klangformat::OggFlac:
    case Klangformat::Flac:
        return Klanghindernis::KeinFlacDecoder;
    case Klangformat::Vorbis:
    case Klangformat::Keines:
        break;
    }
    return Klanghindernis::KeinVorbisDecoder;
}

// Decodes a first piece of a file, so that the decoder's code and tables are in memory before
// the first card of the format turns.
void vorwaermen(const QString& datei, Klangformat format) {
    if (const auto dekoder = ton::dekoderOeffnen(datei, format)) {
        std::vector<qint16> probe(std::size_t(1024 * dekoder->kanaele()));
        dekoder->lesen(probe.data(), 1024);
    }
}

class Pulseklangspieler : public Klangspieler {
public:
    ~Pulseklangspieler() override {
        // Quitting while a deal is being got ready waits for it; nothing else does.
        if (faden_)
            faden_->wait();
        verstummen();
    }

    // Reaching the sound server and reading each file's format take a moment: on a thread, one
    // deal at a time; a deal asked for meanwhile waits its turn and takes the place of any
    // before it.
    void vorbereiten(const QStringList& dateien, Bereit bereit) override {
        wartend_ = {dateien, std::move(bereit)};
        if (!faden_)
            naechsterAuftrag();
    }

    void spielen(const QString& datei) override {
        if (!gestartet_) {
            ausstehend_ = datei; // the card turned while the server is reached plays once it is
            return;
        }
        ausstehend_.clear();
        auto format = formate_.constFind(datei);
        if (format == formate_.cend())
            format = formate_.insert(datei, formatVon(datei));
        ausgang_.spielen(ton::dekoderOeffnen(datei, *format));
    }

    void verstummen() override {
        ausstehend_.clear();
        ausgang_.verstummen();
    }

private:
    struct Auftrag {
        QStringList dateien;
        Bereit bereit;
    };

    void naechsterAuftrag() {
        auftrag_ = std::exchange(wartend_, Auftrag());
        faden_.reset(QThread::create([this, dateien = auftrag_.dateien] { arbeiten(dateien); }));
        QObject::connect(faden_.get(), &QThread::finished, &anker_, [this] { erledigt(); });
        faden_->start();
    }

    // On the thread; what it writes is read on the program's thread once it has ended. The
    // server is reached again for every deal, so one that came back since is heard.
    void arbeiten(const QStringList& dateien) {
        verbunden_ = ausgang_.verbinden();
        neu_.clear();
        for (const QString& datei : dateien)
            neu_.insert(datei, formatVon(datei));
        if (!verbunden_)
            return;
        for (const QString& datei : dateien) {
            const Klangformat format = neu_.value(datei);
            if (!gewaermt_.contains(format) && decoderDa(format)) {
                gewaermt_.insert(format);
                vorwaermen(datei, format);
            }
        }
    }

    void erledigt() {
        faden_->wait(); // its end is reported a moment before the thread is gone
        gestartet_ = true;
        formate_.insert(neu_);
        Auftrag auftrag = std::exchange(auftrag_, Auftrag());
        if (wartend_.bereit) {
            naechsterAuftrag();
        } else {
            faden_.reset();
            auftrag.bereit(hindernisseVon(auftrag.dateien));
        }
        if (const QString datei = std::exchange(ausstehend_, QString()); !datei.isEmpty())
            spielen(datei);
    }

    QList<Klanghindernis> hindernisseVon(const QStringList& dateien) const {
        QList<Klanghindernis> hindernisse;
        if (!verbunden_)
            hindernisse.append(Klanghindernis::KeinKlangdienst);
        for (const QString& datei : dateien)
            if (const Klangformat format = formate_.value(datei);
                !decoderDa(format) && !hindernisse.contains(fehlenderDecoder(format)))
                hindernisse.append(fehlenderDecoder(format));
        return hindernisse;
    }

    ton::Pulseausgang ausgang_;
    QObject anker_; // receives the thread's end on the program's thread
    std::unique_ptr<QThread> faden_;
    Auftrag auftrag_;        // the deal being got ready
    Auftrag wartend_;        // the latest deal asked for meanwhile
    bool gestartet_ = false; // the server reached, or found not there, once
    bool verbunden_ = false; // the thread's
    QHash<QString, Klangformat> formate_;
    QHash<QString, Klangformat> neu_; // the thread's
    QSet<Klangformat> gewaermt_;      // the thread's
    QString ausstehend_;
};

} // namespace

extern "C" Q_DECL_EXPORT vun::Klangspieler* vun_klangspieler_erzeugen() {
    return new Pulseklangspieler;
}
