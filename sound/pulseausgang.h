#pragma once

// The sound server's side of the cards' sounds: one connection to PulseAudio (or PipeWire's
// PulseAudio service) for the program's life, and one stream for the sound that plays, fed from
// its decoder on the connection's own thread as the server asks for more.
#include "sound/dekoder.h"

#include <memory>

struct pa_context;
struct pa_stream;
struct pa_threaded_mainloop;

namespace vun::ton {

class Pulseausgang {
public:
    Pulseausgang();
    ~Pulseausgang();
    Pulseausgang(const Pulseausgang&) = delete;
    Pulseausgang& operator=(const Pulseausgang&) = delete;

    // Connects where no connection stands (the first time, or the server went away since);
    // whether a server takes sound. Waits at most a few seconds; from any thread.
    bool verbinden();
    // Cuts off whatever plays and plays this from its start.
    void spielen(std::unique_ptr<Dekoder> dekoder);
    void verstummen();

    struct Spur; // the stream that plays and its decoder

private:
    void spurBeenden();

    pa_threaded_mainloop* schleife_ = nullptr;
    pa_context* kontext_ = nullptr;
    std::unique_ptr<Spur> spur_;
};

} // namespace vun::ton
