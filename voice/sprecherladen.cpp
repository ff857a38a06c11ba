#include "voice/sprecherladen.h"

#include "seams/sprecher.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

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
    // VUN_MODULORDNER is relative to the program's folder where the build made it so.
    const QDir programm(QCoreApplication::applicationDirPath());
    return {programm.filePath(QLatin1String(Modulname)),
            QDir(programm.filePath(QStringLiteral(VUN_MODULORDNER)))
                .filePath(QLatin1String(Modulname))};
}

std::unique_ptr<Sprecher> sprecherLaden() {
    return sprecherLaden(sprechermodulOrte());
}

std::unique_ptr<Sprecher> sprecherLaden(const QStringList& orte) {
    bool gefunden = false;
    for (const QString& ort : orte) {
        if (!QFileInfo::exists(ort))
            continue;
        gefunden = true;
        // Stays loaded to the end: the voice's code lives in it.
        QLibrary modul(ort);
        using Erzeuger = Sprecher* (*)();
        if (auto erzeugen = reinterpret_cast<Erzeuger>(modul.resolve("vun_sprecher_erzeugen")))
            return std::unique_ptr<Sprecher>(erzeugen());
        qWarning("%s", qPrintable(modul.errorString()));
    }
    // A module that is there but cannot load lacks Qt's speech library.
    return std::make_unique<Fehlsprecher>(gefunden ? Sprachhindernis::ModulOhneQt
                                                   : Sprachhindernis::KeinModul);
}

} // namespace vun
