#include "game/listeladen.h"

#include "seams/dialoge.h"
#include "wordlist/standardliste.h"
#include "wordlist/wortdatei.h"

namespace vun {

namespace {

// The player hears only that the file is faulty, not why: every reason ends the same way.
void laden(const QString& pfad, Wortliste& liste2, Dialoge& dialoge, const QString& meldung) {
    liste2.leeren();
    if (auto eintraege = gueltigeWortdatei(pfad)) {
        liste2.ersetzen(std::move(*eintraege));
        return;
    }
    dialoge.MsgBox(meldung + CR + QStringLiteral("Eine Standardliste wird verwendet!") + CR, NurOk,
                   QStringLiteral("VUN-Memory"));
    liste2.ersetzen(Standardliste());
}

} // namespace

void ListeLaden(Wortliste& liste2, Dialoge& dialoge, const QDir& ordner) {
    // The message names MEMORY.TXT although VUNMEMO.TXT is read: the players know it so.
    laden(startdateiPfad(ordner), liste2, dialoge,
          QStringLiteral("Datei 'MEMORY.TXT' ist fehlerhaft!"));
}

void DateiEinlesen(const QString& name, Wortliste& liste2, Dialoge& dialoge, const QDir& ordner) {
    laden(ordner.filePath(name), liste2, dialoge, QStringLiteral("Gewählte Datei ist fehlerhaft!"));
}

} // namespace vun
