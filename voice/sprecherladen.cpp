#include "voice/sprecherladen.h"

#include "module/modulladen.h"
#include "seams/sprecher.h"

namespace vun {

namespace {

constexpr char Modulname[] = "vun-memory-sprecher.so";

// Stands in where the module is not there: it can only say why.
class Fehlsprecher : public Sprecher {
public:
    explicit Fehlsprecher(Sprachhindernis hindernis) : hindernis_(hindernis) {}
    void vorbereiten(Bereit bereit) override { bereit(hindernis_); }
    void sprechen(const QString&) override {}
    void verstummen() override {}

private:
    Sprachhindernis hindernis_;
};

} // namespace

QStringList sprechermodulOrte() {
    return modulOrte(QLatin1String(Modulname));
}

std::unique_ptr<Sprecher> sprecherLaden() {
    return sprecherLaden(sprechermodulOrte());
}

std::unique_ptr<Sprecher> sprecherLaden(const QStringList& orte) {
    const Modulfund fund = modulfunktion(orte, "vun_sprecher_erzeugen");
    if (fund.funktion)
        return std::unique_ptr<Sprecher>(reinterpret_cast<Sprecher* (*)()>(fund.funktion)());
    // A module that is there but cannot load lacks Qt's speech library.
    return std::make_unique<Fehlsprecher>(fund.vorhanden ? Sprachhindernis::ModulOhneQt
                                                         : Sprachhindernis::KeinModul);
}

} // namespace vun
