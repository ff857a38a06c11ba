// Feeds arbitrary bytes to the word-list reader and checks what every result must satisfy.
#include "wordlist/dateilesen.h"
#include "wordlist/wortdatei.h"
#include "wordlist/wortliste.h"

#include <QByteArray>
#include <cstdint>
#include <cstdlib>

namespace {

void pruefe(bool bedingung) {
    if (!bedingung)
        std::abort();
}

// For plain ASCII the entries are exactly the non-empty lines, whatever the line ends.
void vergleicheAscii(const QByteArray& bytes, const QStringList& eintraege) {
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80)
            return;
    QByteArray text = bytes;
    text.replace("\r\n", "\n").replace('\r', '\n');
    QStringList zeilen;
    for (const QByteArray& zeile : text.split('\n'))
        if (!zeile.isEmpty())
            zeilen.append(QString::fromLatin1(zeile));
    pruefe(zeilen == eintraege);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    const QByteArray bytes(reinterpret_cast<const char*>(daten), static_cast<qsizetype>(groesse));
    const QStringList eintraege = vun::zeilenAusBytes(bytes);
    for (const QString& eintrag : eintraege) {
        pruefe(!eintrag.isEmpty());
        pruefe(!eintrag.contains(QLatin1Char('\r')) && !eintrag.contains(QLatin1Char('\n')));
    }
    // The byte count may see one more entry: a line holding nothing but a byte-order mark.
    const qsizetype gezaehlt = vun::eintraegeZaehlen(bytes);
    pruefe(eintraege.size() <= gezaehlt && gezaehlt <= eintraege.size() + 1);
    vergleicheAscii(bytes, eintraege);
    const bool brauchbar = eintraege.size() >= 9 &&
                           eintraege.size() <= vun::Wortliste::MaxEintraege &&
                           vun::Wortliste::mindestensNeunVerschiedene(eintraege);
    pruefe(brauchbar == (vun::eintraegePruefen(eintraege) == vun::Wortdateifehler::Keiner));
    vun::Wortliste liste;
    liste.ersetzen(eintraege);
    pruefe(liste.anzahl() == eintraege.size());
    for (int i = 1; i < liste.anzahl(); ++i)
        pruefe(QString::compare(liste.eintrag(i - 1), liste.eintrag(i), Qt::CaseInsensitive) <= 0);
    return 0;
}
