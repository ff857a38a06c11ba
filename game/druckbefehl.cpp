#include "game/druckbefehl.h"

#include "game/druckbogen.h"
#include "game/fehlergrund.h"
#include "seams/dialoge.h"
#include "seams/drucker.h"
#include "wordlist/wortdatei.h"

#include <QFileInfo>
#include <QSaveFile>

namespace vun {

namespace {

const QString Programmname = QStringLiteral("vun-memory");

int melden(Dialoge& dialoge, const QString& text, const QString& details = {}) {
    dialoge.MsgBox(text, NurOk, Programmname, details);
    return 1;
}

// Why the file could not be written, for a teacher who reads no English: Qt's own texts are
// never shown. Qt's error alone does not tell a missing folder from a locked one, so the place
// is looked at too.
QString schreibfehlergrund(const QSaveFile& datei) {
    const QFileInfo ziel(datei.fileName());
    if (ziel.isDir())
        return QStringLiteral("Das ist ein Ordner.");
    if (!QFileInfo(ziel.absolutePath()).isDir())
        return QStringLiteral("Der Ordner fehlt.");
    switch (datei.error()) {
    case QFileDevice::ResourceError:
        return QStringLiteral("Der Datenträger ist voll.");
    case QFileDevice::OpenError:
    case QFileDevice::PermissionsError:
        return QStringLiteral("Keine Schreibrechte.");
    default:
        // An existing file that may not be written over is refused as a write error.
        return ziel.exists() && !ziel.isWritable()
                   ? QStringLiteral("Keine Schreibrechte.")
                   : QStringLiteral("Die Datei ließ sich nicht fertig schreiben.");
    }
}

int kartenSchreiben(const QString& liste, const QString& ausgabe, Drucker& drucker,
                    Dialoge& dialoge, Listenpruefer pruefer) {
    const Wortdatei datei = wortdateiLesen(liste, pruefer);
    if (datei.fehler != Wortdateifehler::Keiner)
        return melden(dialoge,
                      QStringLiteral("Die Wortliste „%1“ lässt sich nicht drucken.").arg(liste),
                      fehlergrund(datei));
    if (datei.weggelasseneZeilen > 0)
        dialoge.MsgBox(weglassmeldung(QFileInfo(liste).fileName(), datei), NurOk, Programmname,
                       weglassgrund(datei));
    // Written over, the list would be lost for a PDF of itself.
    const QFileInfo ziel(ausgabe);
    if (ziel.exists() && ziel.canonicalFilePath() == QFileInfo(liste).canonicalFilePath())
        return melden(dialoge, QStringLiteral("„%1“ ist die Wortliste selbst; die Karten brauchen "
                                              "eine eigene Datei.")
                                   .arg(ausgabe));
    Wortliste woerter;
    woerter.ersetzen(datei.eintraege, datei.art, datei.titel);
    // Written beside the target and renamed at the end: a failure leaves nothing behind.
    QSaveFile pdf(ausgabe);
    if (!pdf.open(QIODevice::WriteOnly) ||
        !drucker.pdfMalen(pdf, druckkarten(woerter), QFileInfo(liste).completeBaseName()) ||
        !pdf.commit())
        return melden(dialoge, QStringLiteral("„%1“ lässt sich nicht schreiben: %2")
                                   .arg(ausgabe, schreibfehlergrund(pdf)));
    return 0;
}

} // namespace

int druckbefehl(const QStringList& argumente, Drucker& drucker, Dialoge& dialoge,
                Listenpruefer pruefer) {
    if (argumente.size() != 4 || argumente.at(1) != QLatin1String("--drucken")) {
        // A usage line names the program itself; it carries no title before it.
        dialoge.MsgBox(QStringLiteral("Aufruf: vun-memory --drucken LISTE.TXT AUSGABE.pdf"), NurOk,
                       QString());
        return 2;
    }
    return kartenSchreiben(argumente.at(2), argumente.at(3), drucker, dialoge, pruefer);
}

} // namespace vun
