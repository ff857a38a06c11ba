// Feeds arbitrary bytes to the word-list reader and checks what every result must satisfy.
#include "seams/zufall.h"
#include "wordlist/dateilesen.h"
#include "wordlist/kartenmischen.h"
#include "wordlist/paarliste.h"
#include "wordlist/wortdatei.h"
#include "wordlist/wortliste.h"

#include <QByteArray>
#include <QHash>
#include <QSet>
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

bool brauchbareWoerter(const QStringList& eintraege) {
    return eintraege.size() >= 9 && eintraege.size() <= vun::Wortliste::MaxEintraege &&
           vun::Wortliste::mindestensNeunVerschiedene(eintraege);
}

// Every pair gives its entry back from its two non-empty halves; the list is usable exactly
// when it has enough pairs and no text twice; then a deal puts the two different halves of
// nine different pairs onto two cards each.
bool brauchbarePaare(const QStringList& eintraege) {
    QSet<QString> texte;
    for (const QString& eintrag : eintraege) {
        const auto [erste, zweite] = vun::haelften(eintrag);
        pruefe(!erste.isEmpty() && !zweite.isEmpty());
        pruefe(erste + vun::Paartrenner.toString() + zweite == eintrag);
        texte << erste << zweite;
    }
    const bool brauchbar = eintraege.size() >= 9 &&
                           eintraege.size() <= vun::Wortliste::MaxEintraege &&
                           texte.size() == 2 * eintraege.size();
    if (!brauchbar)
        return false;
    vun::Wortliste liste;
    liste.ersetzen(eintraege, vun::Listenart::Paare);
    vun::Zufallsgenerator zufall(static_cast<quint32>(eintraege.size()));
    QStringList liste1, kennungen;
    vun::Modul1 modul1;
    vun::KartenMischen(liste, liste1, kennungen, modul1, zufall);
    QHash<QString, QSet<QString>> karten;
    for (int k = 0; k < 18; ++k)
        karten[kennungen.at(k)].insert(liste1.at(k));
    pruefe(karten.size() == 9);
    for (auto it = karten.cbegin(); it != karten.cend(); ++it) {
        const auto [erste, zweite] = vun::haelften(it.key());
        pruefe(*it == QSet<QString>({erste, zweite}));
    }
    return true;
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
    const bool brauchbar =
        vun::istPaarliste(eintraege) ? brauchbarePaare(eintraege) : brauchbareWoerter(eintraege);
    pruefe(brauchbar == (vun::eintraegePruefen(eintraege) == vun::Wortdateifehler::Keiner));
    vun::Wortliste liste;
    liste.ersetzen(eintraege);
    pruefe(liste.anzahl() == eintraege.size());
    for (int i = 1; i < liste.anzahl(); ++i)
        pruefe(QString::compare(liste.eintrag(i - 1), liste.eintrag(i), Qt::CaseInsensitive) <= 0);
    return 0;
}
