#include "wordlist/wortdatei.h"

#include "seams/bildleser.h"
#include "seams/klangleser.h"
#include "wordlist/bildeintrag.h"
#include "wordlist/dekodierung.h"
#include "wordlist/paarauswahl.h"
#include "wordlist/paarliste.h"

#include <QFileInfo>
#include <algorithm>
#include <iterator>

namespace vun {

namespace {

const QString Startdatei = QStringLiteral("VUNMEMO.TXT");

// Case ignored first; names that differ only in case then in a fixed order.
bool namensfolge(const QString& a, const QString& b) {
    const int ohneFall = QString::compare(a, b, Qt::CaseInsensitive);
    return ohneFall != 0 ? ohneFall < 0 : a < b;
}

// Sets the list's counts; false, with the reason, where it has too few entries or too few
// different ones for a deal.
template <typename Zaehlen>
bool genugFuerEinSpiel(Wortdatei& datei, const QList<Kartenpaar>& eintraege,
                       Wortdateifehler zuWenige, Wortdateifehler zuWenigVerschiedene,
                       Zaehlen verschiedene) {
    datei.anzahl = static_cast<int>(eintraege.size());
    if (datei.anzahl < datei.paare) {
        datei.fehler = zuWenige;
        return false;
    }
    datei.verschiedene = verschiedene(eintraege);
    if (datei.verschiedene < datei.paare) {
        datei.fehler = zuWenigVerschiedene;
        return false;
    }
    return true;
}

// The entries each read as a pair line, with the number of its line; those from ab on are cards.
struct Zeilen {
    QList<Paarzeile> gelesen;
    QList<int> nummern;
    qsizetype ab = 0; // the first line that is no heading
};

bool titelzeile(const QList<Paarzeile>& gelesen) {
    if (gelesen.size() < 2 || !gelesen.constFirst().fehler)
        return false;
    qsizetype paarzeilen = 0;
    for (qsizetype i = 1; i < gelesen.size(); ++i)
        paarzeilen += !gelesen.at(i).fehler;
    // A list that is no faulty pair list stays what it was: its first line is a word.
    return paarzeilen == gelesen.size() - 1 || 2 * paarzeilen > gelesen.size();
}

// Turns what the lines write into cards' contents, noting every picture and sound among them.
class Inhaltsleser {
public:
    Inhaltsleser(const QDir& ordner, Wortdatei& datei)
        : ordner_(ordner.absolutePath()), bilder_(datei.bilder), klaenge_(datei.klaenge) {}

    // A whole line is shared, not copied, where it is a word.
    Karteninhalt lesen(const QString& geschrieben, int nummer) {
        GelesenerInhalt gelesen = inhaltMitNamenLesen(geschrieben, ordner_);
        if (gelesen.inhalt.istBild())
            bilder_.append({nummer, std::move(gelesen.bildname), gelesen.inhalt.bild});
        if (gelesen.inhalt.hatKlang())
            klaenge_.append({nummer, std::move(gelesen.klangname), gelesen.inhalt.klang});
        return std::move(gelesen.inhalt);
    }

private:
    QString ordner_;
    QList<Bildstelle>& bilder_;
    QList<Klangstelle>& klaenge_;
};

void woerterBeurteilen(Wortdatei& datei, const QStringList& eintraege, const Zeilen& zeilen,
                       Inhaltsleser& leser) {
    QList<Kartenpaar> woerter;
    woerter.reserve(eintraege.size() - zeilen.ab);
    for (qsizetype i = zeilen.ab; i < eintraege.size(); ++i) {
        const Karteninhalt wort = leser.lesen(eintraege.at(i), zeilen.nummern.at(i));
        woerter.append({wort, wort});
    }
    if (genugFuerEinSpiel(
            datei, woerter, Wortdateifehler::ZuWenigEintraege, Wortdateifehler::ZuWenigVerschiedene,
            [&datei](const QList<Kartenpaar>& w) { return verschiedeneInhalte(w, datei.paare); }))
        datei.eintraege = std::move(woerter);
}

void paareBeurteilen(Wortdatei& datei, const Zeilen& zeilen, Inhaltsleser& leser) {
    QList<Kartenpaar> paare;
    paare.reserve(zeilen.gelesen.size() - zeilen.ab);
    for (qsizetype i = zeilen.ab; i < zeilen.gelesen.size(); ++i) {
        const Paarzeile& zeile = zeilen.gelesen.at(i);
        const int nummer = zeilen.nummern.at(i);
        paare.append({leser.lesen(zeile.links.toString(), nummer),
                      leser.lesen(zeile.rechts.toString(), nummer)});
    }
    paare = paareVereinheitlichen(std::move(paare));
    if (!genugFuerEinSpiel(datei, paare, Wortdateifehler::ZuWenigPaare,
                           Wortdateifehler::ZuWenigFreiePaare,
                           [&datei](const QList<Kartenpaar>& p) {
                               return paareOhneGemeinsamenText(p, datei.paare);
                           }))
        return;
    datei.art = Listenart::Paare;
    datei.eintraege = std::move(paare);
}

// The entries judged again without those of the lines named (ascending).
Wortdatei ohneZeilen(const QStringList& eintraege, const QList<int>& zeilennummern,
                     const QList<int>& weglassen, const QDir& ordner, int paare) {
    QStringList rest;
    QList<int> restnummern;
    auto weg = weglassen.cbegin();
    for (qsizetype i = 0; i < eintraege.size(); ++i) {
        const int nummer = zeilennummern.at(i);
        while (weg != weglassen.cend() && *weg < nummer)
            ++weg;
        if (weg != weglassen.cend() && *weg == nummer)
            continue;
        rest.append(eintraege.at(i));
        restnummern.append(nummer);
    }
    return eintraegeBeurteilen(rest, ordner, restnummern, paare);
}

} // namespace

QStringList zeilenAusBytes(const QByteArray& bytes, QList<int>* zeilennummern) {
    // Decoded whole, then cut: CR and LF stay themselves in every encoding a list may use.
    const QString text = textAusBytes(bytes);
    QStringList eintraege;
    const qsizetype n = text.size();
    int nummer = 1;
    for (qsizetype anfang = 0; anfang < n; ++nummer) {
        qsizetype ende = anfang;
        while (ende < n && text[ende] != u'\r' && text[ende] != u'\n')
            ++ende;
        const QStringView eintrag = ohneRand(QStringView(text).sliced(anfang, ende - anfang));
        if (!eintrag.isEmpty()) {
            eintraege.append(eintrag.toString());
            if (zeilennummern)
                zeilennummern->append(nummer);
        }
        // CR LF ends one line.
        anfang = ende + (ende + 1 < n && text[ende] == u'\r' && text[ende + 1] == u'\n' ? 2 : 1);
    }
    return eintraege;
}

bool titelzeile(const QStringList& eintraege) {
    QList<Paarzeile> gelesen;
    gelesen.reserve(eintraege.size());
    for (const QString& eintrag : eintraege)
        gelesen.append(paarzeileLesen(eintrag));
    return titelzeile(gelesen);
}

QString wortdateiTitel(const QString& pfad) {
    Wortdateifehler fehler{};
    const std::optional<QByteArray> bytes = dateiBytesLesen(pfad, Wortliste::MaxEintraege, fehler);
    if (!bytes)
        return {};
    const QStringList eintraege = zeilenAusBytes(*bytes);
    return titelzeile(eintraege) ? eintraege.constFirst() : QString();
}

Wortdatei eintraegeBeurteilen(const QStringList& eintraege, const QDir& ordner,
                              const QList<int>& zeilennummern, int paare) {
    Wortdatei datei;
    datei.paare = paare;
    if (eintraege.size() > Wortliste::MaxEintraege) {
        datei.fehler = Wortdateifehler::ZuVieleEintraege;
        datei.anzahl = static_cast<int>(eintraege.size());
        return datei;
    }
    Zeilen zeilen;
    zeilen.gelesen.reserve(eintraege.size());
    zeilen.nummern.reserve(eintraege.size());
    for (qsizetype i = 0; i < eintraege.size(); ++i) {
        zeilen.gelesen.append(paarzeileLesen(eintraege.at(i)));
        zeilen.nummern.append(zeilennummern.value(i, static_cast<int>(i) + 1));
    }
    if (titelzeile(zeilen.gelesen)) {
        datei.titel = eintraege.constFirst();
        zeilen.ab = 1;
    }
    int paarzeilen = 0;
    for (qsizetype i = zeilen.ab; i < eintraege.size(); ++i) {
        const Paarzeile& zeile = zeilen.gelesen.at(i);
        if (!zeile.fehler)
            ++paarzeilen;
        else if (datei.fehlerhafteZeilen.size() < Wortdatei::GemeldeteZeilen)
            datei.fehlerhafteZeilen.append(
                {zeilen.nummern.at(i), *zeile.fehler, zeile.gleichheitszeichen});
    }
    const qsizetype karten = eintraege.size() - zeilen.ab;
    if (2 * paarzeilen > karten && paarzeilen < karten) {
        datei.fehler = Wortdateifehler::KeinePaarzeilen;
        datei.anzahl = static_cast<int>(karten);
        datei.fehlerhafteZeilenGesamt = static_cast<int>(karten) - paarzeilen;
        return datei;
    }
    datei.fehlerhafteZeilen.clear();
    Inhaltsleser leser(ordner, datei);
    if (paarzeilen > 0 && paarzeilen == karten)
        paareBeurteilen(datei, zeilen, leser);
    else
        woerterBeurteilen(datei, eintraege, zeilen, leser);
    return datei;
}

Wortdatei wortdateiBeurteilen(const QByteArray& bytes, const QDir& ordner, int paare) {
    QList<int> zeilennummern;
    const QStringList eintraege = zeilenAusBytes(bytes, &zeilennummern);
    return eintraegeBeurteilen(eintraege, ordner, zeilennummern, paare);
}

const Bildleser& keinBildleser() {
    struct KeinBildleser : Bildleser {
        Bildbefund pruefen(QIODevice&, const QString&) const override { return {}; }
    };
    static const KeinBildleser leser;
    return leser;
}

const Klangleser& keinKlangleser() {
    struct KeinKlangleser : Klangleser {
        Klangbefund pruefen(QIODevice&, const QString&) const override { return {}; }
    };
    static const KeinKlangleser leser;
    return leser;
}

namespace {

// The lines of both, ascending, each once.
QList<int> zeilenVereint(const QList<int>& a, const QList<int>& b) {
    QList<int> zeilen;
    zeilen.reserve(a.size() + b.size());
    std::set_union(a.cbegin(), a.cend(), b.cbegin(), b.cend(), std::back_inserter(zeilen));
    zeilen.erase(std::unique(zeilen.begin(), zeilen.end()), zeilen.end());
    return zeilen;
}

void dateienMelden(Wortdatei& datei, Bildpruefung& bilder, Klangpruefung& klaenge) {
    datei.fehlerhafteBilder = std::move(bilder.erste);
    datei.fehlerhafteBilderGesamt = bilder.gesamt;
    datei.fehlerhafteKlaenge = std::move(klaenge.erste);
    datei.fehlerhafteKlaengeGesamt = klaenge.gesamt;
}

} // namespace

Wortdatei wortdateiLesen(const QString& pfad, Listenpruefer pruefer, int paare) {
    Wortdatei datei;
    datei.paare = paare;
    const std::optional<QByteArray> bytes =
        dateiBytesLesen(pfad, Wortliste::MaxEintraege, datei.fehler);
    if (!bytes)
        return datei;
    const QDir ordner = QFileInfo(pfad).absoluteDir();
    QList<int> zeilennummern;
    const QStringList eintraege = zeilenAusBytes(*bytes, &zeilennummern);
    datei = eintraegeBeurteilen(eintraege, ordner, zeilennummern, paare);
    Bildpruefung bilder =
        bilderPruefen(datei.bilder, ordner, *pruefer.bildleser, Wortdatei::GemeldeteZeilen);
    Klangpruefung klaenge =
        klaengePruefen(datei.klaenge, ordner, *pruefer.klangleser, Wortdatei::GemeldeteZeilen);
    if (bilder.gesamt == 0 && klaenge.gesamt == 0)
        return datei;
    const QList<int> weglassen = zeilenVereint(bilder.zeilen, klaenge.zeilen);
    if (datei.fehler == Wortdateifehler::Keiner) {
        Wortdatei rest = ohneZeilen(eintraege, zeilennummern, weglassen, ordner, paare);
        // A list that would change its kind without them is not the list its teacher wrote.
        if (rest.fehler == Wortdateifehler::Keiner && rest.art == datei.art) {
            rest.weggelasseneZeilen = static_cast<int>(weglassen.size());
            dateienMelden(rest, bilder, klaenge);
            return rest;
        }
    }
    Wortdatei fehlerhaft;
    fehlerhaft.fehler = bilder.gesamt > 0 ? Wortdateifehler::FehlerhafteBilder
                                          : Wortdateifehler::FehlerhafteKlaenge;
    fehlerhaft.art = datei.art;
    fehlerhaft.anzahl = datei.anzahl;
    fehlerhaft.paare = datei.paare;
    fehlerhaft.titel = datei.titel;
    dateienMelden(fehlerhaft, bilder, klaenge);
    return fehlerhaft;
}

QString startdateiPfad(const QDir& ordner) {
    const QString genau = ordner.filePath(Startdatei);
    if (QFileInfo(genau).isFile())
        return genau;
    // The name filter of a folder listing ignores letter case.
    QStringList andere = ordner.entryList({Startdatei}, QDir::Files);
    if (andere.isEmpty())
        return genau;
    std::sort(andere.begin(), andere.end());
    return ordner.filePath(andere.constFirst());
}

QStringList wortlistenDateien(const QDir& ordner) {
    // Without QDir::System a listing leaves out broken links, pipes and devices; without
    // QDir::Hidden the dot files.
    QStringList namen = ordner.entryList({QStringLiteral("*.TXT")}, QDir::Files, QDir::NoSort);
    std::sort(namen.begin(), namen.end(), namensfolge);
    return namen;
}

} // namespace vun
