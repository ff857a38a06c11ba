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

// A length as a teacher reads it off her player: seconds, minutes for longer ones, hours.
QString dauerText(qint64 millisekunden) {
    const qint64 sekunden = (millisekunden + 999) / 1000;
    if (sekunden < 120)
        return QStringLiteral("%1 Sekunden").arg(sekunden);
    if (sekunden < 2 * 3600)
        return QStringLiteral("%1 Minuten").arg(sekunden / 60);
    return QStringLiteral("%1 Stunden").arg(sekunden / 3600);
}

QString klangfehler(const FehlerhafterKlang& klang) {
    const QString name = QStringLiteral("„%1“ ").arg(klang.name);
    switch (klang.grund) {
    case Klangfehler::Fehlt:
        if (!klang.vorschlag.isEmpty())
            return name + QStringLiteral("ist nicht da – gemeint ist vielleicht „%1“?")
                              .arg(klang.vorschlag);
        return name + QStringLiteral("ist nicht da");
    case Klangfehler::Ordner:
        return name + QStringLiteral("ist ein Ordner, keine Tondatei");
    case Klangfehler::KeinKlang:
        return name + QStringLiteral("ist keine Tondatei, die das Spiel abspielen kann (leer, "
                                     "unvollständig oder in einem anderen Format)");
    case Klangfehler::ZuGross:
        return name + QStringLiteral("ist zu groß");
    case Klangfehler::ZuLang:
        return name + QStringLiteral("ist zu lang: %1").arg(dauerText(klang.dauer));
    case Klangfehler::Ausserhalb:
        return name + QStringLiteral("liegt nicht im Ordner der Liste");
    }
    return {};
}

QString fehlerhafteKlaenge(const Wortdatei& datei) {
    const int n = datei.fehlerhafteKlaengeGesamt;
    QString text =
        n == 1 ? QStringLiteral("Eine Tondatei der Liste lässt sich nicht abspielen:")
               : QStringLiteral("%1 Tondateien der Liste lassen sich nicht abspielen:").arg(n);
    bool zuGross = false;
    for (const FehlerhafterKlang& klang : datei.fehlerhafteKlaenge) {
        text += QStringLiteral("\nZeile %1: %2").arg(klang.nummer).arg(klangfehler(klang));
        zuGross |= klang.grund == Klangfehler::ZuGross || klang.grund == Klangfehler::ZuLang;
    }
    const int rest = n - static_cast<int>(datei.fehlerhafteKlaenge.size());
    if (rest > 0)
        text += rest == 1 ? QStringLiteral("\n… und eine weitere Tondatei.")
                          : QStringLiteral("\n… und %1 weitere Tondateien.").arg(rest);
    text += QStringLiteral("\nTondateien liegen im Ordner der Liste oder in einem Ordner "
                           "darunter, als OGG, Opus, WAV, MP3, M4A oder FLAC.");
    if (zuGross)
        text += QStringLiteral(" Eine Tondatei hat höchstens 32 MiB und spielt höchstens eine "
                               "Minute.");
    return text;
}

// The pictures that cannot be shown, then the sounds that cannot be played.
QString fehlerhafteDateien(const Wortdatei& datei) {
    QStringList teile;
    if (datei.fehlerhafteBilderGesamt > 0)
        teile << fehlerhafteBilder(datei);
    if (datei.fehlerhafteKlaengeGesamt > 0)
        teile << fehlerhafteKlaenge(datei);
    return teile.join(u'\n');
}

// What the left-out lines hold that fails: pictures, sounds, or both.
QString weggelassen(const Wortdatei& datei, int zeilen) {
    const bool bilder = datei.fehlerhafteBilderGesamt > 0;
    const bool klaenge = datei.fehlerhafteKlaengeGesamt > 0;
    if (zeilen == 1)
        return bilder && klaenge ? QStringLiteral("1 Zeile mit einem Bild und einer Tondatei, "
                                                  "die fehlen oder nicht gehen, wird weggelassen.")
               : klaenge ? QStringLiteral("1 Zeile mit einer Tondatei, die fehlt oder nicht geht, "
                                          "wird weggelassen.")
                         : QStringLiteral("1 Zeile mit einem Bild, das fehlt oder nicht geht, "
                                          "wird weggelassen.");
    const QString was = bilder && klaenge ? QStringLiteral("Bildern oder Tondateien")
                        : klaenge         ? QStringLiteral("Tondateien")
                                          : QStringLiteral("Bildern");
    return QStringLiteral("%1 Zeilen mit %2, die fehlen oder nicht gehen, werden weggelassen.")
        .arg(zeilen)
        .arg(was);
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
    return name + QStringLiteral(": ") + weggelassen(datei, datei.weggelasseneZeilen) + CR;
}

QString weglassgrund(const Wortdatei& datei) {
    return fehlerhafteDateien(datei);
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
    case Wortdateifehler::FehlerhafteKlaenge:
        return fehlerhafteDateien(datei);
    }
    return {};
}

} // namespace vun
