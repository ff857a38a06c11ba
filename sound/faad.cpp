#include "sound/faad.h"

#include <QLibrary>

namespace vun::ton {

namespace {

template <typename Funktion> bool holen(QLibrary& bibliothek, const char* name, Funktion& ziel) {
    ziel = reinterpret_cast<Funktion>(bibliothek.resolve(name));
    return ziel != nullptr;
}

const Faad* laden() {
    static QLibrary bibliothek(QStringLiteral("faad"), 2);
    static Faad f{};
    if (!bibliothek.load())
        return nullptr;
    const bool alle = holen(bibliothek, "NeAACDecOpen", f.oeffnen) &&
                      holen(bibliothek, "NeAACDecGetCurrentConfiguration", f.konfiguration) &&
                      holen(bibliothek, "NeAACDecSetConfiguration", f.konfigurieren) &&
                      holen(bibliothek, "NeAACDecInit2", f.anfangen) &&
                      holen(bibliothek, "NeAACDecDecode", f.dekodieren) &&
                      holen(bibliothek, "NeAACDecClose", f.schliessen);
    return alle ? &f : nullptr;
}

} // namespace

const Faad* faad() {
    static const Faad* const geladen = laden();
    return geladen;
}

} // namespace vun::ton
