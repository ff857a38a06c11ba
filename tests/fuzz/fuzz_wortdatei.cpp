// Feeds arbitrary bytes to the word-list reader and checks what every result must satisfy. The
// reader judges from the bytes and the folder's path alone; only a sample of the inputs also
// has its pictures looked for on disk, so that the file system stays out of the hot path.
#include "seams/bildleser.h"
#include "seams/zufall.h"
#include "wordlist/bildeintrag.h"
#include "wordlist/dateilesen.h"
#include "wordlist/kartenmischen.h"
#include "wordlist/klangeintrag.h"
#include "wordlist/paarliste.h"
#include "wordlist/wortdatei.h"
#include "wordlist/wortliste.h"

#include <QBuffer>
#include <QByteArray>
#include <QHash>
#include <QSet>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

// The line of the broken check is told, since the stack of an inlined check names only this one.
void pruefe(bool bedingung, int zeile = __builtin_LINE()) {
    if (bedingung)
        return;
    std::fprintf(stderr, "check in line %d of %s failed\n", zeile, __FILE__);
    std::abort();
}

bool rand(QChar c) {
    return c == u' ' || c == u'\t';
}

// Never looked at on disk. The second folder's name holds everything that parts a pair line,
// so a picture's path there could change a line's kind if the reader judged after resolving.
const QDir Ordner(QStringLiteral("/liste"));
const QDir Trennerordner(QStringLiteral("/Klasse=1a - 3b\tneu"));

// One input in this many has its pictures looked for on disk: chosen by its bytes, so a finding
// comes back when the input is run again.
constexpr size_t Stichprobe = 16;

// What of a half is a word or a picture: the half without the sound joined to it.
QStringView ohneKlang(QStringView halb) {
    const vun::Klangteile teile = vun::klangAbtrennen(halb);
    return teile.klang.isEmpty() ? halb : teile.rest;
}

bool bildname(QStringView name) {
    name = ohneKlang(name);
    for (const QStringView endung :
         {u".png", u".jpg", u".jpeg", u".gif", u".bmp", u".webp", u".svg"})
        if (name.size() > endung.size() && name.endsWith(endung, Qt::CaseInsensitive))
            return true;
    return false;
}

QString alsPfad(QString name) {
    return name.replace(u'\\', u'/');
}

// ".." leading out of the folder, or a name that says where it lies itself.
bool fuehrtHinaus(const QString& name) {
    const QString pfad = alsPfad(name);
    const QString sauber = QDir::cleanPath(pfad);
    const bool laufwerk = pfad.size() > 1 && pfad.at(1) == u':' && pfad.at(0).isLetter() &&
                          pfad.at(0).unicode() < 128;
    return pfad.startsWith(u'/') || laufwerk || sauber == u".." || sauber.startsWith(u"../");
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

// The reader's early stop counts entries on the bytes as they arrive: it never refuses bytes of
// as many entries as allowed, and it does stop within a few entries beyond.
void pruefeFruehesEnde(const QByteArray& bytes, int eintraege) {
    const auto lesen = [&bytes](int hoechstens, vun::Wortdateifehler& fehler) {
        QBuffer puffer;
        puffer.setData(bytes);
        puffer.open(QIODevice::ReadOnly);
        return vun::bytesLesen(puffer, bytes.size(), hoechstens, fehler);
    };
    vun::Wortdateifehler fehler{};
    pruefe(lesen(eintraege, fehler) == bytes);
    if (eintraege >= 3)
        pruefe(!lesen(eintraege - 3, fehler) && fehler == vun::Wortdateifehler::ZuVieleEintraege);
}

// The pictures the lines name as written, where they make a list: each picture half where every
// line but a heading is a pair line, else each picture line.
int bilderDerZeilen(const QStringList& eintraege, const vun::Wortdatei& d) {
    if (d.fehler == vun::Wortdateifehler::KeinePaarzeilen ||
        d.fehler == vun::Wortdateifehler::ZuVieleEintraege)
        return 0;
    QList<vun::Paarzeile> zeilen;
    for (const QString& e : eintraege.mid(d.titel.isEmpty() ? 0 : 1))
        zeilen.append(vun::paarzeileLesen(e));
    const bool paare = !zeilen.isEmpty() && std::none_of(zeilen.begin(), zeilen.end(),
                                                         [](const auto& z) { return z.fehler; });
    int bilder = 0;
    for (qsizetype i = 0; i < zeilen.size(); ++i)
        bilder += paare ? bildname(zeilen.at(i).links) + bildname(zeilen.at(i).rechts)
                        : bildname(eintraege.at(i + (d.titel.isEmpty() ? 0 : 1)));
    return bilder;
}

// Every picture is named as written and stands as its file's absolute, cleaned path in the
// folder; every content of the list is a word as written or one of those pictures.
void pruefeBilder(const QStringList& eintraege, const QList<int>& zeilennummern,
                  const vun::Wortdatei& d, const QDir& ordner) {
    pruefe(d.bilder.size() == bilderDerZeilen(eintraege, d));
    QSet<QString> pfade;
    for (const vun::Bildstelle& b : d.bilder) {
        pruefe(bildname(b.name) &&
               std::binary_search(zeilennummern.begin(), zeilennummern.end(), b.nummer));
        pruefe(b.pfad == QDir::cleanPath(ordner.absolutePath() + u'/' + alsPfad(b.name)));
        pfade.insert(b.pfad);
    }
    // Every sound likewise, its name a sound's and its line one of the list's.
    QSet<QString> klaenge;
    for (const vun::Klangstelle& k : d.klaenge) {
        pruefe(vun::istKlangname(k.name) &&
               std::binary_search(zeilennummern.begin(), zeilennummern.end(), k.nummer));
        pruefe(k.pfad == QDir::cleanPath(ordner.absolutePath() + u'/' + alsPfad(k.name)));
        klaenge.insert(k.pfad);
    }
    for (const auto& [links, rechts] : d.eintraege) {
        for (const vun::Karteninhalt& inhalt : {links, rechts}) {
            pruefe(!inhalt.leer() && (inhalt.wort.isEmpty() || !inhalt.istBild()));
            pruefe(inhalt.istBild() ? pfade.contains(inhalt.bild) : !bildname(inhalt.wort));
            pruefe(!inhalt.hatKlang() || klaenge.contains(inhalt.klang));
        }
    }
}

// A folder's name changes no line's kind and no count: lists in both folders are judged alike.
// Without pictures nothing of a list depends on its folder.
void pruefeOrdnerGleich(const QByteArray& bytes, const vun::Wortdatei& d) {
    if (d.bilder.isEmpty() && d.klaenge.isEmpty())
        return;
    for (const vun::Bildstelle& b : d.bilder + d.klaenge)
        if (fuehrtHinaus(b.name))
            return; // out of two different folders, two names may reach one file in one only
    const vun::Wortdatei t = vun::wortdateiBeurteilen(bytes, Trennerordner);
    pruefe(t.fehler == d.fehler && t.art == d.art && t.anzahl == d.anzahl &&
           t.verschiedene == d.verschiedene && t.titel == d.titel &&
           t.fehlerhafteZeilen == d.fehlerhafteZeilen &&
           t.fehlerhafteZeilenGesamt == d.fehlerhafteZeilenGesamt &&
           t.bilder.size() == d.bilder.size() && t.klaenge.size() == d.klaenge.size() &&
           t.eintraege.size() == d.eintraege.size());
    for (qsizetype i = 0; i < d.eintraege.size(); ++i)
        pruefe(t.eintraege.at(i).links.wort == d.eintraege.at(i).links.wort &&
               t.eintraege.at(i).rechts.wort == d.eintraege.at(i).rechts.wort);
}

// The list's folder holds nothing, so no name may ever reach the reader.
struct NieGefragt : vun::Bildleser {
    vun::Bildbefund pruefen(QIODevice&, const QString&) const override { std::abort(); }
};

// In an empty folder every picture is refused, as outside the folder exactly where its name is
// absolute or leads out with "..", and nothing is opened.
void pruefeBilderAufDerPlatte(const QByteArray& bytes) {
    static QTemporaryDir tmp;
    const QDir ordner(tmp.path());
    const vun::Wortdatei d = vun::wortdateiBeurteilen(bytes, ordner);
    const vun::Bildpruefung p = vun::bilderPruefen(d.bilder, ordner, NieGefragt(), 1 << 30);
    pruefe(p.gesamt == d.bilder.size() && p.erste.size() == d.bilder.size());
    const QString innen = QDir::cleanPath(ordner.absolutePath()) + u'/';
    for (qsizetype i = 0; i < p.erste.size(); ++i) {
        const vun::FehlerhaftesBild& f = p.erste.at(i);
        pruefe(f.name == d.bilder.at(i).name && f.nummer == d.bilder.at(i).nummer);
        pruefe(f.grund == vun::Bildfehler::Fehlt || f.grund == vun::Bildfehler::Ausserhalb);
        pruefe((f.grund == vun::Bildfehler::Ausserhalb) == fuehrtHinaus(f.name));
        if (f.grund == vun::Bildfehler::Fehlt)
            pruefe(d.bilder.at(i).pfad.startsWith(innen));
    }
}

// A usable pair list: no content empty, no pair twice in either order, and a deal puts nine
// pairs on the board of which no two share a content, each on two cards.
void pruefePaare(const vun::Wortdatei& d) {
    const QList<vun::Kartenpaar>& paare = d.eintraege;
    pruefe(paare.size() >= 9 && d.anzahl == paare.size() && d.verschiedene == 9);
    QSet<vun::Kartenpaar> gesehen;
    for (const vun::Kartenpaar& paar : paare) {
        pruefe(!paar.links.leer() && !paar.rechts.leer());
        pruefe(!gesehen.contains(paar) && !gesehen.contains({paar.rechts, paar.links}));
        gesehen.insert(paar);
    }
    vun::Wortliste liste;
    liste.ersetzen(paare, vun::Listenart::Paare);
    vun::Zufallsgenerator zufall(static_cast<quint32>(paare.size()));
    QList<vun::Spielkarte> liste1;
    vun::Modul1 modul1;
    pruefe(vun::KartenMischen(liste, liste1, modul1, zufall) && liste1.size() == 18);
    QHash<int, QList<vun::Karteninhalt>> karten;
    QHash<vun::Karteninhalt, int> paarVonInhalt;
    for (const vun::Spielkarte& karte : liste1) {
        pruefe(paarVonInhalt.value(karte.inhalt, karte.paar) == karte.paar);
        paarVonInhalt.insert(karte.inhalt, karte.paar);
        karten[karte.paar].append(karte.inhalt);
    }
    pruefe(karten.size() == 9);
    for (auto it = karten.cbegin(); it != karten.cend(); ++it) {
        pruefe(it.key() >= 1 && it.key() <= 9 && it->size() == 2);
        pruefe(gesehen.contains({it->at(0), it->at(1)}) ||
               gesehen.contains({it->at(1), it->at(0)}));
    }
}

// Why a list is faulty agrees with its entries; a heading is none of its faulty lines.
void pruefeFehler(const vun::Wortdatei& d, const QStringList& eintraege,
                  const QList<int>& zeilennummern) {
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
            pruefe(vun::paarzeileLesen(eintraege.value(zeilennummern.indexOf(z.nummer))).fehler ==
                   z.grund);
    } else if (d.fehler == vun::Wortdateifehler::ZuWenigVerschiedene) {
        const QSet<QString> zeilen(eintraege.begin(), eintraege.end());
        pruefe(d.verschiedene < vun::Paarzahl && d.verschiedene <= zeilen.size());
    }
}

// A usable list of words: each line as written, a picture as its path, nine different.
void pruefeWoerter(const vun::Wortdatei& d, const QStringList& eintraege) {
    pruefe(d.eintraege.size() == eintraege.size() && d.titel.isEmpty() &&
           vun::verschiedeneInhalte(d.eintraege) == vun::Paarzahl);
    for (qsizetype i = 0; i < eintraege.size(); ++i) {
        const vun::Kartenpaar& wort = d.eintraege.at(i);
        pruefe(wort.links == wort.rechts);
        if (wort.links.hatKlang())
            continue; // its parts are checked with the list's sounds
        pruefe(wort.links.istBild()
                   ? wort.links.bild ==
                         QDir::cleanPath(Ordner.absolutePath() + u'/' + alsPfad(eintraege.at(i)))
                   : wort.links.wort == eintraege.at(i));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    const QByteArray bytes(reinterpret_cast<const char*>(daten), static_cast<qsizetype>(groesse));
    QList<int> zeilennummern;
    const QStringList eintraege = vun::zeilenAusBytes(bytes, &zeilennummern);
    for (const QString& eintrag : eintraege) {
        pruefe(!eintrag.isEmpty() && !rand(eintrag.front()) && !rand(eintrag.back()));
        pruefe(!eintrag.contains(QLatin1Char('\r')) && !eintrag.contains(QLatin1Char('\n')));
    }
    pruefeFruehesEnde(bytes, static_cast<int>(eintraege.size()));
    vergleicheAscii(bytes, eintraege);
    const vun::Wortdatei d = vun::wortdateiBeurteilen(bytes, Ordner);
    pruefeBilder(eintraege, zeilennummern, d, Ordner);
    pruefeOrdnerGleich(bytes, d);
    if (qHash(bytes) % Stichprobe == 0)
        pruefeBilderAufDerPlatte(bytes);
    if (d.fehler != vun::Wortdateifehler::Keiner)
        pruefeFehler(d, eintraege, zeilennummern);
    else if (d.art == vun::Listenart::Paare)
        pruefePaare(d);
    else
        pruefeWoerter(d, eintraege);
    pruefe(d.titel.isEmpty() || (vun::titelzeile(eintraege) && d.titel == eintraege.constFirst()));
    vun::Wortliste liste;
    liste.ersetzen(vun::alsWoerter(eintraege));
    const QList<vun::Kartenpaar>& sortiert = liste.eintraege();
    pruefe(sortiert.size() == eintraege.size());
    for (qsizetype i = 1; i < sortiert.size(); ++i)
        pruefe(QString::compare(sortiert.at(i - 1).links.wort, sortiert.at(i).links.wort,
                                Qt::CaseInsensitive) <= 0);
    return 0;
}
