// The cards' sounds through GStreamer, into the desktop's sound server. It is a module of its
// own, loaded only when a deal holds a sound: the game itself links nothing of sound, so a list
// of words starts as fast and small as ever. GStreamer is driven directly, not through Qt
// Multimedia, whose player took 160 to 190 ms from the request to the first sample on Qt 6.4
// where a pipeline of GStreamer's own takes 10 to 40.
#include "seams/klangspieler.h"
#include "sound/gstkette.h"
#include "sound/klangpruefung.h"

#include <QFile>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QThread>
#include <gst/gst.h>
#include <memory>
#include <utility>

namespace {

using namespace vun;

Klangformat formatVon(const QString& datei) {
    QFile f(datei);
    return f.open(QIODevice::ReadOnly) ? klangPruefen(f).format : Klangformat::Keines;
}

// Brings a file's pipeline to its first sample and no further: its plugins and libraries are
// loaded and the sound server reached, so that the first card of a format sounds as soon as
// every later one (unwarmed, the first sound came after 1.7 s, the first of another format
// after 0.2 s).
void vorwaermen(const QString& datei, Klangformat format) {
    if (GstElement* kette = gst::ketteBauen(datei, format)) {
        gst_element_set_state(kette, GST_STATE_PAUSED);
        gst_element_get_state(kette, nullptr, nullptr, 5 * GST_SECOND);
        gst_element_set_state(kette, GST_STATE_NULL);
        gst_object_unref(kette);
    }
}

class GstKlangspieler : public Klangspieler {
public:
    ~GstKlangspieler() override {
        // Quitting while a deal is being got ready waits for it; nothing else does.
        if (faden_)
            faden_->wait();
        verstummen();
    }

    // Starting GStreamer reads its registry of plugins, which takes seconds where it is not
    // cached yet, and each deal's formats are checked and warmed: on a thread, one deal at a
    // time; a deal asked for meanwhile waits its turn and takes the place of any before it.
    void vorbereiten(const QStringList& dateien, Bereit bereit) override {
        wartend_ = {dateien, std::move(bereit)};
        if (!faden_)
            naechsterAuftrag();
    }

    void spielen(const QString& datei) override {
        if (!gestartet_) {
            ausstehend_ = datei; // the card turned while GStreamer starts plays once it has
            return;
        }
        verstummen();
        if (!gstDa_)
            return;
        auto format = formate_.constFind(datei);
        if (format == formate_.cend())
            format = formate_.insert(datei, formatVon(datei));
        laufend_ = gst::ketteBauen(datei, *format);
        if (laufend_)
            gst_element_set_state(laufend_, GST_STATE_PLAYING);
    }

    void verstummen() override {
        ausstehend_.clear();
        if (laufend_) {
            gst_element_set_state(laufend_, GST_STATE_NULL);
            gst_object_unref(std::exchange(laufend_, nullptr));
        }
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

    // On the thread; what it writes is read on the program's thread once it has ended.
    void arbeiten(const QStringList& dateien) {
        if (!gestartet_) {
            GError* fehler = nullptr;
            gstDa_ = gst_init_check(nullptr, nullptr, &fehler);
            if (!gstDa_)
                qWarning("GStreamer: %s", fehler ? fehler->message : "?");
            g_clear_error(&fehler);
            ausgang_ = gstDa_ && gst::tonausgangDa();
        }
        neu_.clear();
        for (const QString& datei : dateien)
            neu_.insert(datei, formatVon(datei));
        if (!ausgang_)
            return;
        for (const QString& datei : dateien) {
            const Klangformat format = neu_.value(datei);
            if (!gewaermt_.contains(format) && !gst::decoderFehlt(format)) {
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
        // GStreamer without even its base plugins has nothing to decode with.
        if (!gstDa_)
            return {Klanghindernis::KeinVorbisDecoder};
        QList<Klanghindernis> hindernisse;
        if (!ausgang_)
            hindernisse.append(Klanghindernis::KeinKlangdienst);
        for (const QString& datei : dateien)
            if (const auto fehlt = gst::decoderFehlt(formate_.value(datei));
                fehlt && !hindernisse.contains(*fehlt))
                hindernisse.append(*fehlt);
        return hindernisse;
    }

    QObject anker_; // receives the thread's end on the program's thread
    std::unique_ptr<QThread> faden_;
    Auftrag auftrag_;        // the deal being got ready
    Auftrag wartend_;        // the latest deal asked for meanwhile
    bool gestartet_ = false; // GStreamer started, or found not to start
    bool gstDa_ = false;
    bool ausgang_ = false;
    QHash<QString, Klangformat> formate_;
    QHash<QString, Klangformat> neu_; // the thread's
    QSet<Klangformat> gewaermt_;      // the thread's
    GstElement* laufend_ = nullptr;
    QString ausstehend_;
};

} // namespace

extern "C" Q_DECL_EXPORT vun::Klangspieler* vun_klangspieler_erzeugen() {
    return new GstKlangspieler;
}
