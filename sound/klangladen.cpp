#include "sound/klangladen.h"

#include "module/modulladen.h"
#include "seams/klangspieler.h"

namespace vun {

namespace {

constexpr char Modulname[] = "vun-memory-klang.so";

// Stands in where the module is not there: it can only say why.
class Fehlspieler : public Klangspieler {
public:
    explicit Fehlspieler(Klanghindernis hindernis) : hindernis_(hindernis) {}
    void vorbereiten(const QStringList&, Bereit bereit) override { bereit({hindernis_}); }
    void spielen(const QString&) override {}
    void verstummen() override {}

private:
    Klanghindernis hindernis_;
};

} // namespace

QStringList klangmodulOrte() {
    return modulOrte(QLatin1String(Modulname));
}

std::unique_ptr<Klangspieler> klangspielerLaden() {
    return klangspielerLaden(klangmodulOrte());
}

std::unique_ptr<Klangspieler> klangspielerLaden(const QStringList& orte) {
    const Modulfund fund = modulfunktion(orte, "vun_klangspieler_erzeugen");
    if (fund.funktion)
        return std::unique_ptr<Klangspieler>(
            reinterpret_cast<Klangspieler* (*)()>(fund.funktion)());
    // A module that is there but cannot load lacks its libraries.
    return std::make_unique<Fehlspieler>(fund.vorhanden ? Klanghindernis::ModulOhneBibliothek
                                                        : Klanghindernis::KeinModul);
}

} // namespace vun
