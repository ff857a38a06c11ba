#include "wortdatei.h"

#include "dialoge.h"
#include "standardliste.h"

#include <QFile>
#include <QRegularExpression>

namespace vun {

namespace {

void standardlisteNehmen(Wortliste& liste2, Dialoge& dialoge, const QString& erste_zeile) {
    dialoge.MsgBox(erste_zeile + CR + QStringLiteral("Eine Standardliste wird verwendet!") + CR,
                   NurOk, QStringLiteral("VUN-Memory"));
    liste2.leeren();
    for (const QString& wort : Standardliste())
        liste2.hinzufuegen(wort);
}

void laden(const QString& pfad, Wortliste& liste2, Dialoge& dialoge, const QString& meldung) {
    liste2.leeren();
    if (auto eintraege = gueltigeWortdatei(pfad))
        liste2.ersetzen(*eintraege);
    else
        standardlisteNehmen(liste2, dialoge, meldung);
}

} // namespace

// Placeholder reader: lines split at CR LF, CR and LF, read as Latin-1.
QStringList zeilenAusBytes(const QByteArray& bytes) {
    QStringList eintraege;
    const QString text = QString::fromLatin1(bytes);
    for (const QString& zeile : text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n"))))
        if (!zeile.isEmpty())
            eintraege.append(zeile);
    return eintraege;
}

std::optional<QStringList> gueltigeWortdatei(const QString& pfad) {
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly))
        return std::nullopt;
    QStringList eintraege = zeilenAusBytes(datei.readAll());
    if (eintraege.size() < 9 || eintraege.size() > Wortliste::MaxEintraege ||
        !Wortliste::mindestensNeunVerschiedene(eintraege))
        return std::nullopt;
    return eintraege;
}

void ListeLaden(Wortliste& liste2, Dialoge& dialoge, const QDir& ordner) {
    laden(ordner.filePath(QStringLiteral("VUNMEMO.TXT")), liste2, dialoge,
          QStringLiteral("Datei 'MEMORY.TXT' ist fehlerhaft!"));
}

void DateiEinlesen(const QString& name, Wortliste& liste2, Dialoge& dialoge, const QDir& ordner) {
    laden(ordner.filePath(name), liste2, dialoge, QStringLiteral("Gewählte Datei ist fehlerhaft!"));
}

QStringList wortlistenDateien(const QDir& ordner) {
    return ordner.entryList({QStringLiteral("*.TXT")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
}

} // namespace vun
