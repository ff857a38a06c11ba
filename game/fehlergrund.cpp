#include "game/fehlergrund.h"

#include "seams/dialoge.h"

#include <array>

namespace vun {

namespace {

const QString Beispiel = QStringLiteral("„Haus = Häuser“");

// The number of pairs as the reasons write it: a word, as every reason always wrote "neun".
QString zahlwort(int paare) {
    static const std::array<const char*, Paarzahl + 1> Woerter{
        "null", "ein", "zwei", "drei", "vier", "fünf", "sechs", "sieben", "acht", "neun"};
    return paare >= 0 && paare <= Paarzahl ? QString::fromUtf8(Woerter.at(paare))
                                           : QString::number(paare);
}

QString freiePaare(int paare) {
    return QStringLiteral("Für ein Spiel werden %1 Paare ohne gemeinsamen Text gebraucht, sonst "
                          "stünden gleiche Karten auf dem Feld, die nicht zusammengehören.")
        .arg(zahlwort(paare));
}

QString zeilenfehler(const FehlerhafteZeile& zeile) {
    switch (zeile.grund) {
    case Zeilenfehler::KeinGleichheitszeichen:
        return QStringLiteral("kein Gleichheitszeichen");
    case Zeilenfehler::MehrereGleichheitszeichen:
        return zeile.gleichheitszeichen == 2
                   ? QStringLiteral("zwei Gleichheitszeichen")
                   : QStringLiteral("%1 Gleichheitszeichen").arg(zeile.gleichheitszeichen);
    case Zeilenfehler::LinksLeer:
        return QStringLiteral("links steht nichts");
    case Zeilenfehler::RechtsLeer:
        return QStringLiteral("rechts steht nichts");
    case Zeilenfehler::BeideLeer:
        return QStringLiteral("links und rechts steht nichts");
    }
    return {};
}

QString keinePaarzeilen(const Wortdatei& datei) {
    const int n = datei.fehlerhafteZeilenGesamt;
    QString text = QStringLiteral("Die meisten Zeilen sind Paare wie %1, aber ").arg(Beispiel) +
                   (n == 1 ? QStringLiteral("eine Zeile ist keines:")
                           : QStringLiteral("%1 Zeilen sind keine:").arg(n));
    for (const FehlerhafteZeile& zeile : datei.fehlerhafteZeilen)
        text += QStringLiteral("\nZeile %1: %2").arg(zeile.nummer).arg(zeilenfehler(zeile));
    const int rest = n - static_cast<int>(datei.fehlerhafteZeilen.size());
    if (rest > 0)
        text += rest == 1 ? QStringLiteral("\n… und eine weitere Zeile.")
                          : QStringLiteral("\n… und %1 weitere Zeilen.").arg(rest);
    // Only the first line may be a heading; the others need what parts their two halves.
    text += QStringLiteral("\nJede Zeile außer einer Überschrift in der ersten braucht genau ein "
                           "Gleichheitszeichen, einen Tabulator oder einen Strich „ - “ mit Text "
                           "auf beiden Seiten.");
    return text;
}

struct Fotolaut {
    const char* art;
    const char* paket; // the Debian package of Qt's reader for it
};

// In the order of Fotoformat, from Heic on.
constexpr std::array<Fotolaut, 4> Fotolaute{{
    {"HEIC-Fotos", "kimageformat6-plugins"},
    {"AVIF-Fotos", "kimageformat6-plugins"},
    {"JPEG-XL-Fotos", "kimageformat6-plugins"},
    {"TIFF-Bilder", "qt6-image-formats-plugins"},
}};

QString ohneLeser(Fotoformat format) {
    const Fotolaut& laut = Fotolaute.at(static_cast<std::size_t>(format) - 1);
    return QString::fromUtf8(laut.art) +
           QStringLiteral(" kann das Spiel hier nicht zeigen: bitte als JPEG speichern oder das "
                          "Paket „%1“ installieren.")
               .arg(QString::fromUtf8(laut.paket));
}

QString bildfehler(const FehlerhaftesBild& bild) {
    const QString name = QStringLiteral("„%1“ ").arg(bild.name);
    switch (bild.grund) {
    case Bildfehler::Fehlt:
        // Windows and a teacher's eye take "Katze.jpg" for "katze.jpg"; Linux does not.
        if (!bild.vorschlag.isEmpty())
            return name + QStringLiteral("ist nicht da – gemeint ist vielleicht „%1“?")
                              .arg(bild.vorschlag);
        return name + QStringLiteral("ist nicht da");
    case Bildfehler::Ordner:
        return name + QStringLiteral("ist ein Ordner, kein Bild");
    case Bildfehler::KeinBild:
        return name + QStringLiteral("ist kein Bild, das das Spiel lesen kann (leer, "
                                     "unvollständig oder in einem anderen Format)");
    case Bildfehler::ZuGross:
        return name + QStringLiteral("ist zu groß");
    case Bildfehler::Ausserhalb:
        return name + QStringLiteral("liegt nicht im Ordner der Liste");
    case Bildfehler::OhneLeser:
        if (bild.format == Fotoformat::Keines)
            break;
        return QStringLiteral("„%1“: ").arg(bild.name) + ohneLeser(bild.format);
    }
    return {};
}

QString fehlerhafteBilder(const Wortdatei& datei) {
    const int n = datei.fehlerhafteBilderGesamt;
    QString text = n == 1 ? QStringLiteral("Ein Bild der Liste lässt sich nicht zeigen:")
                          : QStringLiteral("%1 Bilder der Liste lassen sich nicht zeigen:").arg(n);
    bool zuGross = false;
    for (const FehlerhaftesBild& bild : datei.fehlerhafteBilder) {
        text += QStringLiteral("\nZeile %1: %2").arg(bild.nummer).arg(bildfehler(bild));
        zuGross |= bild.grund == Bildfehler::ZuGross;
    }
    const int rest = n - static_cast<int>(datei.fehlerhafteBilder.size());
    if (rest > 0)
        text += rest == 1 ? QStringLiteral("\n… und ein weiteres Bild.")
                          : QStringLiteral("\n… und %1 weitere Bilder.").arg(rest);
    text += QStringLiteral("\nBilder liegen im Ordner der Liste oder in einem Ordner darunter, "
                           "als PNG, JPEG, GIF, BMP, WebP, SVG, HEIC, AVIF, JPEG XL oder TIFF.");
    if (zuGross)
        text += QStringLiteral(" Ein Bild hat höchstens 32 MiB und 12 000 Bildpunkte an "
                               "jeder Seite, 50 Millionen Bildpunkte in allem.");
    return text;
}

QString zuWenigEintraege(int anzahl, int paare) {
    const QString hat = anzahl == 0 ? QStringLiteral("Die Liste ist leer.")
                        : anzahl == 1
                            ? QStringLiteral("Die Liste hat nur einen Eintrag.")
                            : QStringLiteral("Die Liste hat nur %1 Einträge.").arg(anzahl);
    return hat + QStringLiteral(" Gebraucht werden mindestens %1 verschiedene Wörter, eines "
                                "in jeder Zeile.")
                     .arg(zahlwort(paare));
}

} // namespace

QString weglassmeldung(const QString& name, const Wortdatei& datei) {
    const int n = datei.weggelasseneZeilen;
    return name +
           (n == 1 ? QStringLiteral(": 1 Zeile mit einem Bild, das fehlt oder nicht geht, "
                                    "wird weggelassen.")
                   : QStringLiteral(": %1 Zeilen mit Bildern, die fehlen oder nicht gehen, "
                                    "werden weggelassen.")
                         .arg(n)) +
           CR;
}

QString weglassgrund(const Wortdatei& datei) {
    return fehlerhafteBilder(datei);
}

QString fehlergrund(const Wortdatei& datei) {
    switch (datei.fehler) {
    case Wortdateifehler::Keiner:
        return {};
    case Wortdateifehler::Fehlt:
        return QStringLiteral("Die Datei ist nicht da: Sie wurde nicht gefunden.");
    case Wortdateifehler::Ordner:
        return QStringLiteral("Das ist ein Ordner, keine Datei.");
    case Wortdateifehler::NichtLesbar:
        return QStringLiteral("Die Datei lässt sich nicht öffnen: Das Recht, sie zu lesen, fehlt, "
                              "oder sie ist keine gewöhnliche Datei.");
    case Wortdateifehler::Lesefehler:
        return QStringLiteral("Die Datei ließ sich nicht bis zum Ende lesen.");
    case Wortdateifehler::ZuGross:
        return QStringLiteral("Die Datei ist größer als 16 MiB. So groß ist keine Wortliste.");
    case Wortdateifehler::ZuVieleEintraege:
        return QStringLiteral("Die Liste hat mehr als %1 Einträge. Mehr fasst das Spiel nicht.")
            .arg(Wortliste::MaxEintraege);
    case Wortdateifehler::ZuWenigEintraege:
        return zuWenigEintraege(datei.anzahl, datei.paare);
    case Wortdateifehler::ZuWenigVerschiedene:
        return QStringLiteral("Die Liste hat %1 Einträge, aber nur %2 verschiedene Wörter. "
                              "Gebraucht werden mindestens %3 verschiedene.")
            .arg(datei.anzahl)
            .arg(datei.verschiedene)
            .arg(zahlwort(datei.paare));
    case Wortdateifehler::ZuWenigPaare:
        return QStringLiteral("Die Paarliste hat nur %1 verschiedene Paare. Gebraucht werden "
                              "mindestens %2.")
            .arg(datei.anzahl)
            .arg(zahlwort(datei.paare));
    case Wortdateifehler::ZuWenigFreiePaare:
        return QStringLiteral("Die Paarliste hat %1 Paare, aber höchstens %2 davon haben keinen "
                              "Text gemeinsam. ")
                   .arg(datei.anzahl)
                   .arg(datei.verschiedene) +
               freiePaare(datei.paare);
    case Wortdateifehler::NichtZuMischen:
        return QStringLiteral("Beim Mischen ließen sich aus den %1 Paaren der Liste keine %2 "
                              "Paare ohne gemeinsamen Text legen. ")
                   .arg(datei.anzahl)
                   .arg(zahlwort(datei.paare)) +
               freiePaare(datei.paare);
    case Wortdateifehler::KeinePaarzeilen:
        return keinePaarzeilen(datei);
    case Wortdateifehler::FehlerhafteBilder:
        return fehlerhafteBilder(datei);
    }
    return {};
}

} // namespace vun
