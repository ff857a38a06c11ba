// The cards' sounds through GStreamer, into the desktop's sound server. It is a module of its
// own, loaded only when a deal holds a sound: the game itself links nothing of sound, so a list
// of words starts as fast and small as ever. GStreamer's playbin is used as it is, not through Qt
// Multimedia, whose player took 160 to 190 ms from the request to the first sample on Qt 6.4
// where playbin takes 10 to 40.
#include "seams/klangspieler.h"

#include <QFile>
#include <QFileInfo>
#include <QObject>
#include <QThread>
#include <gst/gst.h>
#include <memory>
#include <optional>
#include <utility>

namespace {

using vun::Klanghindernis;

bool gibt(const char* element) {
    GstElementFactory* fabrik = gst_element_factory_find(element);
    if (fabrik)
        gst_object_unref(fabrik);
    return fabrik != nullptr;
}

// What decodes a file, by its ending, which the list's check has found to match its content.
std::optional<Klanghindernis> decoderFehlt(const QString& datei) {
    const QString endung = QFileInfo(datei).suffix().toLower();
    if (endung == u"ogg" || endung == u"oga")
        return gibt("oggdemux") && gibt("vorbisdec")
                   ? std::nullopt
                   : std::optional(Klanghindernis::KeinVorbisDecoder);
    if (endung == u"opus")
        return gibt("oggdemux") && gibt("opusdec") ? std::nullopt
                                                   : std::optional(Klanghindernis::KeinOpusDecoder);
    if (endung == u"wav")
        return gibt("wavparse") ? std::nullopt : std::optional(Klanghindernis::KeinWavDecoder);
    if (endung == u"mp3")
        return gibt("mpegaudioparse") && (gibt("mpg123audiodec") || gibt("avdec_mp3"))
                   ? std::nullopt
                   : std::optional(Klanghindernis::KeinMp3Decoder);
    if (endung == u"m4a")
        return gibt("qtdemux") && (gibt("avdec_aac") || gibt("faad") || gibt("fdkaacdec"))
                   ? std::nullopt
                   : std::optional(Klanghindernis::KeinAacDecoder);
    if (endung == u"flac")
        return gibt("flacparse") && (gibt("flacdec") || gibt("avdec_flac"))
                   ? std::nullopt
                   : std::optional(Klanghindernis::KeinFlacDecoder);
    return std::nullopt;
}

// Whether the sound server, or a sound card where there is none, offers somewhere to play.
bool tonausgangDa() {
    GstDeviceMonitor* waechter = gst_device_monitor_new();
    gst_device_monitor_add_filter(waechter, "Audio/Sink", nullptr);
    GList* geraete = gst_device_monitor_get_devices(waechter);
    const bool da = geraete != nullptr;
    g_list_free_full(geraete, gst_object_unref);
    gst_object_unref(waechter);
    return da;
}

QList<Klanghindernis> pruefen(const QStringList& dateien) {
    QList<Klanghindernis> hindernisse;
    for (const QString& datei : dateien)
        if (const auto fehlt = decoderFehlt(datei); fehlt && !hindernisse.contains(*fehlt))
            hindernisse.append(*fehlt);
    return hindernisse;
}

// Nothing the pipeline reports is waited for: a sound that fails stays silent, and its messages
// are dropped as they come instead of piling up over a long game.
GstBusSyncReply verwerfen(GstBus*, GstMessage* nachricht, gpointer) {
    if (GST_MESSAGE_TYPE(nachricht) == GST_MESSAGE_ERROR) {
        GError* fehler = nullptr;
        gst_message_parse_error(nachricht, &fehler, nullptr);
        qWarning("Klang: %s", fehler ? fehler->message : "?");
        g_clear_error(&fehler);
    }
    gst_message_unref(nachricht);
    return GST_BUS_DROP;
}

// One file of each format among them.
QStringList proFormatEine(const QStringList& dateien) {
    QStringList eine;
    QStringList endungen;
    for (const QString& datei : dateien) {
        const QString endung = QFileInfo(datei).suffix().toLower();
        if (!endungen.contains(endung)) {
            endungen << endung;
            eine << datei;
        }
    }
    return eine;
}

// Loads the decoders of these files and reaches the sound server, each file brought to its first
// sample and no further, so that the first card of a format sounds as soon as every later one:
// unwarmed, the first sound came after 1.7 s, the first of another format after 0.2 s.
void vorwaermen(const QStringList& dateien) {
    for (const QString& datei : dateien) {
        GstElement* probe = gst_element_factory_make("playbin", nullptr);
        if (!probe)
            return;
        gchar* uri = gst_filename_to_uri(QFile::encodeName(datei).constData(), nullptr);
        g_object_set(probe, "uri", uri, "flags", 0x2, nullptr);
        g_free(uri);
        if (GstElement* senke = gst_element_factory_make("pulsesink", nullptr))
            g_object_set(probe, "audio-sink", senke, nullptr);
        gst_element_set_state(probe, GST_STATE_PAUSED);
        gst_element_get_state(probe, nullptr, nullptr, 5 * GST_SECOND);
        gst_element_set_state(probe, GST_STATE_NULL);
        gst_object_unref(probe);
    }
}

class GstKlangspieler : public vun::Klangspieler {
public:
    ~GstKlangspieler() override {
        // Quitting while GStreamer is being started waits for it; nothing else does.
        if (faden_)
            faden_->wait();
        if (spiel_) {
            gst_element_set_state(spiel_, GST_STATE_NULL);
            gst_object_unref(spiel_);
        }
    }

    // Starting GStreamer reads its registry of plugins, which takes seconds where it is not
    // cached yet, and asks the sound server for its outputs: on a thread of its own, once.
    void vorbereiten(const QStringList& dateien, Bereit bereit) override {
        if (fertig_) {
            bereit(hindernisseVon(dateien));
            return;
        }
        if (faden_) {
            wartend_ = {dateien, std::move(bereit)}; // the latest deal's, once started
            return;
        }
        faden_.reset(QThread::create([this, dateien] {
            GError* fehler = nullptr;
            if (!gst_init_check(nullptr, nullptr, &fehler)) {
                qWarning("GStreamer: %s", fehler ? fehler->message : "?");
                g_clear_error(&fehler);
                return;
            }
            ausgang_ = tonausgangDa();
            if (ausgang_)
                vorwaermen(proFormatEine(dateien));
        }));
        wartend_ = {dateien, std::move(bereit)};
        QObject::connect(faden_.get(), &QThread::finished, &anker_, [this] { gestartet(); });
        faden_->start();
    }

    void spielen(const QString& datei) override {
        if (!spiel_) {
            ausstehend_ = datei; // the card turned while GStreamer starts plays once it has
            return;
        }
        gst_element_set_state(spiel_, GST_STATE_READY);
        gchar* uri = gst_filename_to_uri(QFile::encodeName(datei).constData(), nullptr);
        if (!uri)
            return;
        g_object_set(spiel_, "uri", uri, nullptr);
        g_free(uri);
        gst_element_set_state(spiel_, GST_STATE_PLAYING);
    }

    void verstummen() override {
        ausstehend_.clear();
        if (spiel_)
            gst_element_set_state(spiel_, GST_STATE_READY);
    }

private:
    QList<Klanghindernis> hindernisseVon(const QStringList& dateien) const {
        // GStreamer without even its base plugins has nothing to decode with.
        if (!spiel_)
            return {Klanghindernis::KeinVorbisDecoder};
        QList<Klanghindernis> hindernisse = pruefen(dateien);
        if (!ausgang_)
            hindernisse.prepend(Klanghindernis::KeinKlangdienst);
        return hindernisse;
    }

    void gestartet() {
        fertig_ = true;
        Auftrag auftrag = std::exchange(wartend_, Auftrag());
        spiel_ = gst_is_initialized() ? gst_element_factory_make("playbin", "vun-klang") : nullptr;
        if (spiel_) {
            // Sound alone: a file with a picture in it shows nothing.
            g_object_set(spiel_, "flags", 0x2, nullptr);
            // PulseAudio's sink straight away: through autoaudiosink, which probes the outputs
            // at every start, the first sample came after 20 to 240 ms, and 1.7 s the first time.
            if (GstElement* senke = gst_element_factory_make("pulsesink", nullptr))
                g_object_set(spiel_, "audio-sink", senke, nullptr);
            GstBus* bus = gst_element_get_bus(spiel_);
            gst_bus_set_sync_handler(bus, verwerfen, nullptr, nullptr);
            gst_object_unref(bus);
            gst_element_set_state(spiel_, GST_STATE_READY);
        }
        const QString datei = std::exchange(ausstehend_, QString());
        auftrag.bereit(hindernisseVon(auftrag.dateien));
        if (!datei.isEmpty())
            spielen(datei);
    }

    struct Auftrag {
        QStringList dateien;
        Bereit bereit;
    };

    QObject anker_; // receives the thread's end on the program's thread
    std::unique_ptr<QThread> faden_;
    bool fertig_ = false; // GStreamer started, or found not to start
    bool ausgang_ = false;
    GstElement* spiel_ = nullptr;
    Auftrag wartend_;
    QString ausstehend_;
};

} // namespace

extern "C" Q_DECL_EXPORT vun::Klangspieler* vun_klangspieler_erzeugen() {
    return new GstKlangspieler;
}
