#include "game/listeladen.h"

#include "game/fehlergrund.h"
#include "seams/dialoge.h"
#include "wordlist/standardliste.h"
#include "wordlist/wortdatei.h"

#include <QFileInfo>

namespace vun {

namespace {

// The box says what it always said; why the file is faulty waits in its details for whoever
// wants to know it, as a teacher fixing her list does.
QString laden(const QString& pfad, Wortliste& liste2, Dialoge& dialoge, const QString& meldung) {
    liste2.leeren();
    Wortdatei datei = wortdateiLesen(pfad);
    if (datei.fehler == Wortdateifehler::Keiner) {
        liste2.ersetzen(std::move(datei.eintraege), datei.art);
        return QFileInfo(pfad).fileName();
    }
    dialoge.MsgBox(meldung + CR + QStringLiteral("Eine Standardliste wird verwendet!") + CR, NurOk,
                   QStringLiteral("VUN-Memory"),
                   QFileInfo(pfad).fileName() + QStringLiteral(": ") + fehlergrund(datei));
    liste2.ersetzen(Standardliste());
    return {};
}

} // namespace

QString ListeLaden(Wortliste& liste2, Dialoge& dialoge, const QDir& ordner) {
    const QString pfad = startdateiPfad(ordner);
    return laden(pfad, liste2, dialoge,
                 QStringLiteral("Datei '%1' ist fehlerhaft!").arg(QFileInfo(pfad).fileName()));
}

QString DateiEinlesen(const QString& name, Wortliste& liste2, Dialoge& dialoge,
                      const QDir& ordner) {
    return laden(ordner.filePath(name), liste2, dialoge,
                 QStringLiteral("Gewählte Datei ist fehlerhaft!"));
}

} // namespace vun
