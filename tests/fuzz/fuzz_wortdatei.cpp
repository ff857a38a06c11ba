// Feeds arbitrary bytes to the word-list reader and checks what every result must satisfy.
#include "seams/bildleser.h"
#include "seams/zufall.h"
#include "wordlist/bildeintrag.h"
#include "wordlist/dateilesen.h"
#include "wordlist/kartenmischen.h"
#include "wordlist/paarauswahl.h"
#include "wordlist/paarliste.h"
#include "wordlist/wortdatei.h"
#include "wordlist/wortliste.h"

#include <QByteArray>
#include <QHash>
#include <QSet>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <cstdint>
#include <cstdlib>

namespace {

void pruefe(bool bedingung) {
    if (!bedingung)
        std::abort();
}

bool rand(QChar c) {
    return c == u' ' || c == u'\t';
}

// For plain ASCII the entries are exactly the lines without blanks and tabs at their ends,
// whatever the line ends, those left empty skipped.
void vergleicheAscii(const QByteArray& bytes, const QStringList& eintraege) {
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80)
            return;
    QByteArray text = bytes;
    text.replace("\r\n", "\n").replace('\r', '\n');
    QStringList zeilen;
    for (const QByteArray& zeile : text.split('\n')) {
        const QString eintrag = vun::ohneRand(QString::fromLatin1(zeile)).toString();
        if (!eintrag.isEmpty())
            zeilen.append(eintrag);
    }
    pruefe(zeilen == eintraege);
}

// A usable pair list: every pair written as the game writes it, no pair twice in either order,
// and a deal puts nine pairs on the board of which no two share a text, each on two cards.
void pruefePaare(const QStringList& paare) {
    pruefe(paare.size() >= 9 && vun::paareOhneGemeinsamenText(paare) == 9);
    QSet<QString> gesehen;
    for (const QString& paar : paare) {
        const auto [erste, zweite] = vun::haelften(paar);
        pruefe(!erste.isEmpty() && !zweite.isEmpty());
        pruefe(erste + vun::Paartrenner.toString() + zweite == paar);
        pruefe(!gesehen.contains(paar) && !gesehen.contains(zweite + " = " + erste));
        gesehen.insert(paar);
    }
    vun::Wortliste liste;
    liste.ersetzen(paare, vun::Listenart::Paare);
    vun::Zufallsgenerator zufall(static_cast<quint32>(paare.size()));
    QStringList liste1, kennungen;
    vun::Modul1 modul1;
    pruefe(vun::KartenMischen(liste, liste1, kennungen, modul1, zufall));
    QHash<QString, QString> paarVonText;
    QHash<QString, int> karten;
    for (int k = 0; k < 18; ++k) {
        pruefe(paarVonText.value(liste1.at(k), kennungen.at(k)) == kennungen.at(k));
        paarVonText.insert(liste1.at(k), kennungen.at(k));
        ++karten[kennungen.at(k)];
        const auto [erste, zweite] = vun::haelften(kennungen.at(k));
        pruefe(liste1.at(k) == erste || liste1.at(k) == zweite);
    }
    pruefe(karten.size() == 9);
    for (int anzahl : karten)
        pruefe(anzahl == 2);
}

// Why a list is faulty agrees with its entries; a heading is none of its faulty lines.
void pruefeFehler(const vun::Wortdatei& d, const QStringList& eintraege) {
    pruefe(d.eintraege.isEmpty());
    if (d.fehler == vun::Wortdateifehler::KeinePaarzeilen) {
        const qsizetype ab = d.titel.isEmpty() ? 0 : 1;
        pruefe(!ab || d.titel == eintraege.constFirst());
        int paarzeilen = 0;
        for (const QString& e : eintraege.mid(ab))
            paarzeilen += !vun::paarzeileLesen(e).fehler;
        const qsizetype zeilen = eintraege.size() - ab;
        pruefe(2 * paarzeilen > zeilen && paarzeilen < zeilen);
        pruefe(d.fehlerhafteZeilenGesamt == zeilen - paarzeilen);
        for (const vun::FehlerhafteZeile& z : d.fehlerhafteZeilen)
            pruefe(vun::paarzeileLesen(eintraege.at(z.nummer - 1)).fehler == z.grund);
    } else if (d.fehler == vun::Wortdateifehler::ZuWenigVerschiedene) {
        pruefe(vun::verschiedeneTexte(eintraege) < vun::Paarzahl);
    }
}

// The reader's early stop counts entries on the bytes as they arrive: it never refuses a file of
// as many entries as allowed, and it does stop within a few entries beyond.
void pruefeFruehesEnde(const QByteArray& bytes, int eintraege) {
    static QTemporaryFile datei;
    pruefe((datei.isOpen() || datei.open()) && datei.resize(0) && datei.seek(0) &&
           datei.write(bytes) == bytes.size() && datei.flush());
    vun::Wortdateifehler fehler{};
    if (bytes.size() > vun::MaxDateigroesse)
        return;
    pruefe(vun::dateiBytesLesen(datei.fileName(), eintraege, fehler) == bytes);
    if (eintraege >= 3)
        pruefe(!vun::dateiBytesLesen(datei.fileName(), eintraege - 3, fehler) &&
               fehler == vun::Wortdateifehler::ZuVieleEintraege);
}

// The list's folder holds nothing, so no name may ever reach the reader.
struct NieGefragt : vun::Bildleser {
    vun::Bildbefund pruefen(QIODevice&, const QString&) const override { std::abort(); }
};

// Picture entries: resolving keeps a pair a pair and writes each picture as a path; in an
// empty folder every picture is refused, as outside the folder exactly where its name is
// absolute or leads out with "..", and nothing is opened.
void pruefeBilder(const QStringList& eintraege) {
    static QTemporaryDir tmp;
    const QDir ordner(tmp.path());
    QStringList aufgeloest = eintraege;
    vun::bilderAufloesen(aufgeloest, ordner);
    pruefe(aufgeloest.size() == eintraege.size());
    int stellen = 0;
    QList<QString> namen;
    for (qsizetype i = 0; i < eintraege.size(); ++i) {
        const vun::Paarzeile vorher = vun::paarzeileLesen(eintraege.at(i));
        const vun::Paarzeile nachher = vun::paarzeileLesen(aufgeloest.at(i));
        // A line's kind is judged as written; a pair's halves are read again once resolved.
        if (!vorher.fehler)
            pruefe(!nachher.fehler);
        const QList<QStringView> bilder = vun::bildstellen(eintraege.at(i));
        pruefe(vun::bildstellen(aufgeloest.at(i)).size() == bilder.size());
        for (const QStringView b : bilder)
            namen.append(b.toString());
        stellen += static_cast<int>(bilder.size());
        if (bilder.isEmpty())
            pruefe(aufgeloest.at(i) == eintraege.at(i));
    }
    const vun::Bildpruefung p = vun::bilderPruefen(eintraege, {}, ordner, NieGefragt(), 1 << 30);
    pruefe(p.gesamt == stellen && p.erste.size() == stellen);
    const QString innen = QDir::cleanPath(ordner.absolutePath()) + u'/';
    for (qsizetype i = 0; i < p.erste.size(); ++i) {
        const vun::FehlerhaftesBild& f = p.erste.at(i);
        pruefe(f.name == namen.at(i) && f.nummer >= 1 && f.nummer <= eintraege.size());
        QString pfad = f.name;
        pfad.replace(u'\\', u'/');
        const QString sauber = QDir::cleanPath(pfad);
        const bool laufwerk = pfad.size() > 1 && pfad.at(1) == u':' && pfad.at(0).isLetter() &&
                              pfad.at(0).unicode() < 128;
        const bool hinaus =
            pfad.startsWith(u'/') || laufwerk || sauber == u".." || sauber.startsWith(u"../");
        pruefe(f.grund == vun::Bildfehler::Fehlt || f.grund == vun::Bildfehler::Ausserhalb ||
               f.grund == vun::Bildfehler::Gleichheitszeichen);
        pruefe((f.grund == vun::Bildfehler::Ausserhalb) == hinaus);
        if (f.grund == vun::Bildfehler::Fehlt)
            pruefe(QDir::cleanPath(ordner.absolutePath() + u'/' + pfad).startsWith(innen));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    const QByteArray bytes(reinterpret_cast<const char*>(daten), static_cast<qsizetype>(groesse));
    const QStringList eintraege = vun::zeilenAusBytes(bytes);
    for (const QString& eintrag : eintraege) {
        pruefe(!eintrag.isEmpty() && !rand(eintrag.front()) && !rand(eintrag.back()));
        pruefe(!eintrag.contains(QLatin1Char('\r')) && !eintrag.contains(QLatin1Char('\n')));
    }
    pruefeFruehesEnde(bytes, static_cast<int>(eintraege.size()));
    vergleicheAscii(bytes, eintraege);
    pruefeBilder(eintraege);
    const vun::Wortdatei d = vun::eintraegeBeurteilen(eintraege);
    if (d.fehler != vun::Wortdateifehler::Keiner)
        pruefeFehler(d, eintraege);
    else if (d.art == vun::Listenart::Paare)
        pruefePaare(d.eintraege);
    else
        pruefe(d.eintraege == eintraege && d.titel.isEmpty() &&
               vun::verschiedeneTexte(eintraege) == vun::Paarzahl);
    pruefe(d.titel.isEmpty() || (vun::titelzeile(eintraege) && d.titel == eintraege.constFirst()));
    vun::Wortliste liste;
    liste.ersetzen(eintraege);
    const QStringList& sortiert = liste.eintraege();
    pruefe(sortiert.size() == eintraege.size());
    for (qsizetype i = 1; i < sortiert.size(); ++i)
        pruefe(QString::compare(sortiert.at(i - 1), sortiert.at(i), Qt::CaseInsensitive) <= 0);
    return 0;
}
