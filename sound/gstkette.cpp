#include "sound/gstkette.h"

#include <QFile>
#include <vector>

namespace vun::gst {

namespace {

// One link of a chain: the first of these elements that is installed.
using Glied = std::vector<const char*>;

// Everything a format needs between the file and the conversion to the server's format. Ogg
// holds Vorbis, Opus or FLAC, as the check read it; MP3's and FLAC's parsers skip an ID3 tag.
std::vector<Glied> gliederVon(Klangformat format) {
    switch (format) {
    case Klangformat::Vorbis:
        return {{"oggdemux"}, {"vorbisdec"}};
    case Klangformat::Opus:
        return {{"oggdemux"}, {"opusdec"}};
    case Klangformat::OggFlac:
        return {{"oggdemux"}, {"flacparse"}, {"flacdec", "avdec_flac"}};
    case Klangformat::Wav:
        return {{"wavparse"}};
    case Klangformat::Mp3:
        return {{"mpegaudioparse"}, {"mpg123audiodec", "avdec_mp3"}};
    case Klangformat::M4a:
        return {{"qtdemux"}, {"avdec_aac", "faad", "fdkaacdec"}};
    case Klangformat::Flac:
        return {{"flacparse"}, {"flacdec", "avdec_flac"}};
    case Klangformat::Keines:
        break;
    }
    return {};
}

const char* installiert(const Glied& glied) {
    for (const char* name : glied)
        if (GstElementFactory* fabrik = gst_element_factory_find(name)) {
            gst_object_unref(fabrik);
            return name;
        }
    return nullptr;
}

// PulseAudio's sink straight away: through autoaudiosink, which probes the outputs at every
// start, the first sample came after 20 to 240 ms, and 1.7 s the first time.
GstElement* senkeMachen() {
    if (GstElement* senke = gst_element_factory_make("pulsesink", nullptr))
        return senke;
    return gst_element_factory_make("autoaudiosink", nullptr);
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

// A demuxer's output appears once it has read the file's head; the first that fits is taken.
void ausgangDa(GstElement*, GstPad* ausgang, gpointer naechstes) {
    GstPad* eingang = gst_element_get_static_pad(GST_ELEMENT(naechstes), "sink");
    if (eingang && !gst_pad_is_linked(eingang))
        gst_pad_link(ausgang, eingang);
    if (eingang)
        gst_object_unref(eingang);
}

void verbinden(GstElement* von, GstElement* nach) {
    if (!gst_element_link(von, nach))
        g_signal_connect(von, "pad-added", G_CALLBACK(ausgangDa), nach);
}

} // namespace

std::optional<Klanghindernis> decoderFehlt(Klangformat format) {
    for (const Glied& glied : gliederVon(format))
        if (!installiert(glied))
            switch (format) {
            case Klangformat::Vorbis:
                return Klanghindernis::KeinVorbisDecoder;
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
            case Klangformat::Keines:
                return Klanghindernis::KeinFlacDecoder;
            }
    return std::nullopt;
}

GstElement* ketteBauen(const QString& datei, Klangformat format) {
    std::vector<Glied> glieder = gliederVon(format);
    if (glieder.empty() || decoderFehlt(format))
        return nullptr;
    glieder.insert(glieder.begin(), Glied{"filesrc"});
    glieder.push_back({"audioconvert"});
    glieder.push_back({"audioresample"});
    GstElement* kette = GST_ELEMENT(gst_object_ref_sink(gst_pipeline_new(nullptr)));
    GstElement* letztes = nullptr;
    for (const Glied& glied : glieder) {
        GstElement* element =
            installiert(glied) ? gst_element_factory_make(installiert(glied), nullptr) : nullptr;
        if (!element) {
            gst_object_unref(kette);
            return nullptr;
        }
        gst_bin_add(GST_BIN(kette), element);
        if (letztes)
            verbinden(letztes, element);
        else
            g_object_set(element, "location", QFile::encodeName(datei).constData(), nullptr);
        letztes = element;
    }
    GstElement* senke = senkeMachen();
    if (!senke) {
        gst_object_unref(kette);
        return nullptr;
    }
    gst_bin_add(GST_BIN(kette), senke);
    verbinden(letztes, senke);
    GstBus* bus = gst_element_get_bus(kette);
    gst_bus_set_sync_handler(bus, verwerfen, nullptr, nullptr);
    gst_object_unref(bus);
    return kette;
}

bool tonausgangDa() {
    GstElement* senke = senkeMachen();
    if (!senke)
        return false;
    gst_object_ref_sink(senke);
    const bool da = gst_element_set_state(senke, GST_STATE_READY) != GST_STATE_CHANGE_FAILURE;
    gst_element_set_state(senke, GST_STATE_NULL);
    gst_object_unref(senke);
    return da;
}

} // namespace vun::gst
