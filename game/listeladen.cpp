#include "game/listeladen.h"

#include "game/fehlergrund.h"
#include "seams/dialoge.h"
#include "wordlist/paarauswahl.h"
#include "wordlist/standardliste.h"
#include "wordlist/wortdatei.h"

#include <QFileInfo>

namespace vun {

namespace {

// The box says what it always said; why the file is faulty waits in its details for whoever
// wants to know it, as a teacher fixing her list does.
void verwerfen(const QString& name, const Wortdatei& datei, Wortliste& liste2, Dialoge& dialoge,
               const QString& meldung) {
    dialoge.MsgBox(meldung + CR + QStringLiteral("Eine Standardliste wird verwendet!") + CR, NurOk,
                   QStringLiteral("VUN-Memory"), name + QStringLiteral(": ") + fehlergrund(datei));
    liste2.ersetzen(alsWoerter(Standardliste()));
}

QString laden(const QString& pfad, Wortliste& liste2, Dialoge& dialoge, Listenpruefer pruefer,
              int paare, const QString& meldung) {
    liste2.leeren();
    Wortdatei datei = wortdateiLesen(pfad, pruefer, paare);
    if (datei.fehler == Wortdateifehler::Keiner) {
        const QString name = QFileInfo(pfad).fileName();
        // Said before the game goes on, so the teacher knows why a card of hers is missing.
        if (datei.weggelasseneZeilen > 0)
            dialoge.MsgBox(weglassmeldung(name, datei), NurOk, QStringLiteral("VUN-Memory"),
                           weglassgrund(datei));
        liste2.ersetzen(std::move(datei.eintraege), datei.art, datei.titel);
        return name;
    }
    verwerfen(QFileInfo(pfad).fileName(), datei, liste2, dialoge, meldung);
    return {};
}

QString startlisteFehlerhaft(const QString& name) {
    return QStringLiteral("Datei '%1' ist fehlerhaft!").arg(name);
}

} // namespace

QString ListeLaden(Wortliste& liste2, Dialoge& dialoge, Listenpruefer pruefer, const QDir& ordner,
                   int paare) {
    const QString pfad = startdateiPfad(ordner);
    return laden(pfad, liste2, dialoge, pruefer, paare,
                 startlisteFehlerhaft(QFileInfo(pfad).fileName()));
}

QString DateiEinlesen(const QString& name, Wortliste& liste2, Dialoge& dialoge,
                      Listenpruefer pruefer, const QDir& ordner, int paare) {
    return laden(ordner.filePath(name), liste2, dialoge, pruefer, paare,
                 QStringLiteral("Gewählte Datei ist fehlerhaft!"));
}

void listeVerwerfen(const QString& name, Wortliste& liste2, Dialoge& dialoge, int paare) {
    Wortdatei datei;
    datei.paare = paare;
    datei.fehler = Wortdateifehler::NichtZuMischen;
    datei.anzahl = static_cast<int>(liste2.eintraege().size());
    verwerfen(name, datei, liste2, dialoge, startlisteFehlerhaft(name));
}

void listeZuKurz(const QString& name, Wortliste& liste2, int paare, Dialoge& dialoge) {
    const QList<Kartenpaar>& eintraege = liste2.eintraege();
    Wortdatei datei;
    datei.paare = paare;
    datei.anzahl = static_cast<int>(eintraege.size());
    if (liste2.art() == Listenart::Paare) {
        datei.verschiedene = paareOhneGemeinsamenText(eintraege, paare);
        datei.fehler = datei.anzahl < paare ? Wortdateifehler::ZuWenigPaare
                                            : Wortdateifehler::ZuWenigFreiePaare;
    } else {
        datei.verschiedene = verschiedeneInhalte(eintraege, paare);
        datei.fehler = datei.anzahl < paare ? Wortdateifehler::ZuWenigEintraege
                                            : Wortdateifehler::ZuWenigVerschiedene;
    }
    verwerfen(name, datei, liste2, dialoge, startlisteFehlerhaft(name));
}

} // namespace vun
