#pragma once

#include <QString>
#include <functional>
#include <optional>

namespace vun {

// Why no voice can speak German here; game/vorlesen.cpp words each for the player, with the
// Debian package that would let it.
enum class Sprachhindernis {
    KeineSprachausgabe,   // the program has no way to speak at all
    KeinModul,            // the speech module is not installed
    ModulOhneQt,          // the module is there but Qt's speech library is not
    KeinSprachdienst,     // Qt knows no speech service
    DienstAntwortetNicht, // the speech service does not answer
    KeineDeutscheStimme,  // the speech service has no German voice
};

// A voice that reads a text aloud. The program speaks through the desktop's speech service;
// tests script what is said.
class Sprecher {
public:
    virtual ~Sprecher() = default;
    using Bereit = std::function<void(std::optional<Sprachhindernis>)>;
    // Gets a German voice ready without holding up the caller, which hears back once, on its own
    // thread: nothing where the voice is ready, else what stands in the way. The answer never
    // comes once the speaker is gone.
    virtual void vorbereiten(Bereit bereit) = 0;
    // Stops whatever is being said, then says the text: no queue of old words.
    virtual void sprechen(const QString& text) = 0;
    virtual void verstummen() = 0;
};

} // namespace vun
