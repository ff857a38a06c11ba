#include "wordlist/wortdatei.h"

#include "seams/bildleser.h"
#include "wordlist/bildeintrag.h"
#include "wordlist/dekodierung.h"
#include "wordlist/paarauswahl.h"
#include "wordlist/paarliste.h"

#include <QFileInfo>
#include <algorithm>

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
bool genugFuerEinSpiel(Wortdatei& datei, const QStringList& eintraege, Wortdateifehler zuWenige,
                       Wortdateifehler zuWenigVerschiedene, Zaehlen verschiedene) {
    datei.anzahl = static_cast<int>(eintraege.size());
    if (datei.anzahl < Paarzahl) {
        datei.fehler = zuWenige;
        return false;
    }
    datei.verschiedene = verschiedene(eintraege);
    if (datei.verschiedene < Paarzahl) {
        datei.fehler = zuWenigVerschiedene;
        return false;
    }
    return true;
}

void woerterBeurteilen(Wortdatei& datei, QStringList& eintraege) {
    if (genugFuerEinSpiel(datei, eintraege, Wortdateifehler::ZuWenigEintraege,
                          Wortdateifehler::ZuWenigVerschiedene,
                          [](const QStringList& texte) { return verschiedeneTexte(texte); }))
        datei.eintraege = std::move(eintraege);
}

void paareBeurteilen(Wortdatei& datei, const QStringList& eintraege) {
    QStringList paare = paareVereinheitlichen(eintraege);
    if (!genugFuerEinSpiel(datei, paare, Wortdateifehler::ZuWenigPaare,
                           Wortdateifehler::ZuWenigFreiePaare,
                           [](const QStringList& p) { return paareOhneGemeinsamenText(p); }))
        return;
    datei.art = Listenart::Paare;
    datei.eintraege = std::move(paare);
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
    if (eintraege.size() < 2 || !paarzeileLesen(eintraege.constFirst()).fehler)
        return false;
    qsizetype paarzeilen = 0;
    for (qsizetype i = 1; i < eintraege.size(); ++i)
        paarzeilen += !paarzeileLesen(eintraege.at(i)).fehler;
    // A list that is no faulty pair list stays what it was: its first line is a word.
    return paarzeilen == eintraege.size() - 1 || 2 * paarzeilen > eintraege.size();
}

QString wortdateiTitel(const QString& pfad) {
    Wortdateifehler fehler{};
    const std::optional<QByteArray> bytes = dateiBytesLesen(pfad, Wortliste::MaxEintraege, fehler);
    if (!bytes)
        return {};
    const QStringList eintraege = zeilenAusBytes(*bytes);
    return titelzeile(eintraege) ? eintraege.constFirst() : QString();
}

Wortdatei eintraegeBeurteilen(QStringList eintraege, const QList<int>& zeilennummern,
                              const QStringList& geschrieben) {
    Wortdatei datei;
    if (eintraege.size() > Wortliste::MaxEintraege) {
        datei.fehler = Wortdateifehler::ZuVieleEintraege;
        datei.anzahl = static_cast<int>(eintraege.size());
        return datei;
    }
    QStringList wie = geschrieben.size() == eintraege.size() ? geschrieben : eintraege;
    QList<int> nummern = zeilennummern;
    for (qsizetype i = nummern.size(); i < eintraege.size(); ++i)
        nummern.append(static_cast<int>(i) + 1);
    if (titelzeile(wie)) {
        datei.titel = wie.takeFirst();
        eintraege.removeFirst();
        nummern.removeFirst();
    }
    int paarzeilen = 0;
    for (qsizetype i = 0; i < wie.size(); ++i) {
        const Paarzeile zeile = paarzeileLesen(wie.at(i));
        if (!zeile.fehler)
            ++paarzeilen;
        else if (datei.fehlerhafteZeilen.size() < Wortdatei::GemeldeteZeilen)
            datei.fehlerhafteZeilen.append(
                {nummern.at(i), *zeile.fehler, zeile.gleichheitszeichen});
    }
    datei.fehlerhafteZeilenGesamt = static_cast<int>(wie.size()) - paarzeilen;
    if (paarzeilen > 0 && paarzeilen == wie.size()) {
        paareBeurteilen(datei, eintraege);
    } else if (2 * paarzeilen > wie.size()) {
        datei.fehler = Wortdateifehler::KeinePaarzeilen;
        datei.anzahl = static_cast<int>(wie.size());
    } else {
        woerterBeurteilen(datei, eintraege);
    }
    if (datei.fehler != Wortdateifehler::KeinePaarzeilen) {
        datei.fehlerhafteZeilen.clear();
        datei.fehlerhafteZeilenGesamt = 0;
    }
    return datei;
}

const Bildleser& keinBildleser() {
    struct KeinBildleser : Bildleser {
        Bildbefund pruefen(QIODevice&, const QString&) const override { return {}; }
    };
    static const KeinBildleser leser;
    return leser;
}

Wortdatei wortdateiLesen(const QString& pfad, const Bildleser& bildleser) {
    Wortdatei datei;
    const std::optional<QByteArray> bytes =
        dateiBytesLesen(pfad, Wortliste::MaxEintraege, datei.fehler);
    if (!bytes)
        return datei;
    QList<int> zeilennummern;
    const QStringList geschrieben = zeilenAusBytes(*bytes, &zeilennummern);
    const QDir ordner = QFileInfo(pfad).absoluteDir();
    QStringList eintraege = geschrieben;
    bilderAufloesen(eintraege, ordner);
    datei = eintraegeBeurteilen(std::move(eintraege), zeilennummern, geschrieben);
    // Lines that are no list are told first: their pictures are not even looked for.
    if (datei.fehler == Wortdateifehler::ZuVieleEintraege ||
        datei.fehler == Wortdateifehler::KeinePaarzeilen)
        return datei;
    // A heading is no card, whatever it is called.
    const qsizetype ab = datei.titel.isEmpty() ? 0 : 1;
    Bildpruefung bilder = bilderPruefen(geschrieben.mid(ab), zeilennummern.mid(ab), ordner,
                                        bildleser, Wortdatei::GemeldeteZeilen);
    if (bilder.gesamt == 0)
        return datei;
    Wortdatei fehlerhaft;
    fehlerhaft.fehler = Wortdateifehler::FehlerhafteBilder;
    fehlerhaft.art = datei.art;
    fehlerhaft.anzahl = datei.anzahl;
    fehlerhaft.titel = datei.titel;
    fehlerhaft.fehlerhafteBilder = std::move(bilder.erste);
    fehlerhaft.fehlerhafteBilderGesamt = bilder.gesamt;
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
