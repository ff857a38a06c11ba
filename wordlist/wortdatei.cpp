#include "wordlist/wortdatei.h"

#include "wordlist/dekodierung.h"

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

} // namespace

QStringList zeilenAusBytes(const QByteArray& bytes) {
    // Decoded whole, then cut: CR and LF stay themselves in both encodings. Cutting at every CR
    // and every LF gives CR LF an empty line between, which is skipped like any other.
    const QString text = textAusBytes(bytes);
    QStringList eintraege;
    const qsizetype n = text.size();
    for (qsizetype anfang = 0; anfang < n;) {
        qsizetype ende = anfang;
        while (ende < n && text[ende] != u'\r' && text[ende] != u'\n')
            ++ende;
        if (ende > anfang)
            eintraege.append(text.sliced(anfang, ende - anfang));
        anfang = ende + 1;
    }
    return eintraege;
}

Wortdateifehler eintraegePruefen(const QStringList& eintraege) {
    if (eintraege.size() > Wortliste::MaxEintraege)
        return Wortdateifehler::ZuVieleEintraege;
    if (eintraege.size() < 9)
        return Wortdateifehler::ZuWenigEintraege;
    if (!Wortliste::mindestensNeunVerschiedene(eintraege))
        return Wortdateifehler::ZuWenigVerschiedene;
    return Wortdateifehler::Keiner;
}

Wortdatei wortdateiLesen(const QString& pfad) {
    Wortdatei datei;
    const std::optional<QByteArray> bytes =
        dateiBytesLesen(pfad, Wortliste::MaxEintraege, datei.fehler);
    if (!bytes)
        return datei;
    QStringList eintraege = zeilenAusBytes(*bytes);
    datei.fehler = eintraegePruefen(eintraege);
    if (datei.fehler == Wortdateifehler::Keiner)
        datei.eintraege = std::move(eintraege);
    return datei;
}

std::optional<QStringList> gueltigeWortdatei(const QString& pfad) {
    Wortdatei datei = wortdateiLesen(pfad);
    if (datei.fehler != Wortdateifehler::Keiner)
        return std::nullopt;
    return std::move(datei.eintraege);
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
