#include "sound/pulseausgang.h"

#include <QtGlobal>
#include <pulse/pulseaudio.h>
#include <vector>

namespace vun::ton {

struct Pulseausgang::Spur {
    pa_stream* strom = nullptr;
    std::unique_ptr<Dekoder> dekoder;
    std::vector<qint16> puffer;
    bool zuEnde = false;
};

namespace {

// The server is asked to hold little ahead: the sound of a turned card starts as soon as the
// buffer's first piece is there, and a cut-off is heard at once.
constexpr pa_usec_t Vorlauf = 40'000;
constexpr int Wartezeit = 5; // seconds for the server to answer

// Each state a connection settles in wakes whoever waits for it.
void kontextGeaendert(pa_context*, void* schleife) {
    pa_threaded_mainloop_signal(static_cast<pa_threaded_mainloop*>(schleife), 0);
}

// How long a connection may take to settle.
struct Frist {
    pa_threaded_mainloop* schleife;
    bool vorbei = false;
};

void abgelaufen(pa_mainloop_api* api, pa_time_event* ereignis, const timeval*, void* daten) {
    api->time_free(ereignis);
    auto& frist = *static_cast<Frist*>(daten);
    frist.vorbei = true;
    pa_threaded_mainloop_signal(frist.schleife, 0);
}

// A sound played to its end gives its stream back once the server has played the last piece.
void geleert(pa_stream* strom, int, void*) {
    pa_stream_disconnect(strom);
}

void nachschub(pa_stream* strom, size_t bytes, void* daten) {
    auto& spur = *static_cast<Pulseausgang::Spur*>(daten);
    const int kanaele = spur.dekoder->kanaele();
    while (bytes > 0 && !spur.zuEnde) {
        const qint64 bilder = qint64(bytes) / qint64(sizeof(qint16)) / kanaele;
        if (bilder == 0)
            break;
        spur.puffer.resize(std::size_t(qMin<qint64>(bilder, 4096) * kanaele));
        const qint64 n =
            spur.dekoder->lesen(spur.puffer.data(), qint64(spur.puffer.size()) / kanaele);
        if (n <= 0) {
            spur.zuEnde = true;
            if (pa_operation* op = pa_stream_drain(strom, geleert, nullptr))
                pa_operation_unref(op);
            break;
        }
        const std::size_t laenge = std::size_t(n * kanaele) * sizeof(qint16);
        pa_stream_write(strom, spur.puffer.data(), laenge, nullptr, 0, PA_SEEK_RELATIVE);
        bytes -= qMin(bytes, laenge);
    }
}

} // namespace

Pulseausgang::Pulseausgang() : schleife_(pa_threaded_mainloop_new()) {
    if (schleife_ && pa_threaded_mainloop_start(schleife_) < 0) {
        pa_threaded_mainloop_free(schleife_);
        schleife_ = nullptr;
    }
}

Pulseausgang::~Pulseausgang() {
    if (!schleife_)
        return;
    pa_threaded_mainloop_lock(schleife_);
    spurBeenden();
    if (kontext_) {
        pa_context_disconnect(kontext_);
        pa_context_unref(kontext_);
    }
    pa_threaded_mainloop_unlock(schleife_);
    pa_threaded_mainloop_stop(schleife_);
    pa_threaded_mainloop_free(schleife_);
}

bool Pulseausgang::verbinden() {
    if (!schleife_)
        return false;
    pa_threaded_mainloop_lock(schleife_);
    if (kontext_ && !PA_CONTEXT_IS_GOOD(pa_context_get_state(kontext_))) {
        spurBeenden();
        pa_context_unref(kontext_);
        kontext_ = nullptr;
    }
    if (!kontext_) {
        pa_proplist* angaben = pa_proplist_new();
        pa_proplist_sets(angaben, PA_PROP_APPLICATION_NAME, "VUN-Memory");
        pa_proplist_sets(angaben, PA_PROP_APPLICATION_ICON_NAME, "de.vunmemory.VunMemory");
        pa_proplist_sets(angaben, PA_PROP_MEDIA_ROLE, "game");
        kontext_ =
            pa_context_new_with_proplist(pa_threaded_mainloop_get_api(schleife_), nullptr, angaben);
        pa_proplist_free(angaben);
        pa_context_set_state_callback(kontext_, kontextGeaendert, schleife_);
        Frist frist{schleife_};
        timeval bis{};
        pa_mainloop_api* api = pa_threaded_mainloop_get_api(schleife_);
        pa_time_event* wecker = api->time_new(
            api, pa_timeval_add(pa_gettimeofday(&bis), pa_usec_t(Wartezeit) * PA_USEC_PER_SEC),
            abgelaufen, &frist);
        if (pa_context_connect(kontext_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) >= 0)
            while (!frist.vorbei && pa_context_get_state(kontext_) != PA_CONTEXT_READY &&
                   PA_CONTEXT_IS_GOOD(pa_context_get_state(kontext_)))
                pa_threaded_mainloop_wait(schleife_);
        if (!frist.vorbei)
            api->time_free(wecker);
    }
    const bool bereit = pa_context_get_state(kontext_) == PA_CONTEXT_READY;
    pa_threaded_mainloop_unlock(schleife_);
    return bereit;
}

void Pulseausgang::spielen(std::unique_ptr<Dekoder> dekoder) {
    if (!schleife_)
        return;
    pa_threaded_mainloop_lock(schleife_);
    spurBeenden();
    pa_sample_spec art{PA_SAMPLE_S16NE, quint32(dekoder ? dekoder->rate() : 0),
                       quint8(dekoder ? qMin(dekoder->kanaele(), 255) : 0)};
    if (dekoder && kontext_ && pa_context_get_state(kontext_) == PA_CONTEXT_READY &&
        pa_sample_spec_valid(&art)) {
        spur_ = std::make_unique<Spur>();
        spur_->dekoder = std::move(dekoder);
        spur_->strom = pa_stream_new(kontext_, "Karte", &art, nullptr);
        pa_buffer_attr puffer{quint32(-1), quint32(pa_usec_to_bytes(Vorlauf, &art)), quint32(-1),
                              quint32(-1), quint32(-1)};
        if (spur_->strom) {
            pa_stream_set_write_callback(spur_->strom, nachschub, spur_.get());
            if (pa_stream_connect_playback(spur_->strom, nullptr, &puffer, PA_STREAM_ADJUST_LATENCY,
                                           nullptr, nullptr) < 0)
                spurBeenden();
        } else {
            spur_.reset();
        }
    }
    pa_threaded_mainloop_unlock(schleife_);
}

void Pulseausgang::verstummen() {
    if (!schleife_)
        return;
    pa_threaded_mainloop_lock(schleife_);
    spurBeenden();
    pa_threaded_mainloop_unlock(schleife_);
}

// With the loop's lock held.
void Pulseausgang::spurBeenden() {
    if (!spur_)
        return;
    if (spur_->strom) {
        pa_stream_set_write_callback(spur_->strom, nullptr, nullptr);
        pa_stream_disconnect(spur_->strom);
        pa_stream_unref(spur_->strom);
    }
    spur_.reset();
}

} // namespace vun::ton
