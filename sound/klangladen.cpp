#include "sound/klangladen.h"

#include "seams/klangspieler.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

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
    // VUN_MODULORDNER is relative to the program's folder where the build made it so.
    const QDir programm(QCoreApplication::applicationDirPath());
    return {programm.filePath(QLatin1String(Modulname)),
            QDir(programm.filePath(QStringLiteral(VUN_MODULORDNER)))
                .filePath(QLatin1String(Modulname))};
}

std::unique_ptr<Klangspieler> klangspielerLaden() {
    return klangspielerLaden(klangmodulOrte());
}

std::unique_ptr<Klangspieler> klangspielerLaden(const QStringList& orte) {
    bool gefunden = false;
    for (const QString& ort : orte) {
        if (!QFileInfo::exists(ort))
            continue;
        gefunden = true;
        // Stays loaded to the end: the player's code lives in it.
        QLibrary modul(ort);
        using Erzeuger = Klangspieler* (*)();
        if (auto erzeugen = reinterpret_cast<Erzeuger>(modul.resolve("vun_klangspieler_erzeugen")))
            return std::unique_ptr<Klangspieler>(erzeugen());
        qWarning("%s", qPrintable(modul.errorString()));
    }
    // A module that is there but cannot load lacks GStreamer.
    return std::make_unique<Fehlspieler>(gefunden ? Klanghindernis::ModulOhneBibliothek
                                                  : Klanghindernis::KeinModul);
}

} // namespace vun
