#include "wordlist/bildeintrag.h"

#include "seams/bildleser.h"
#include "wordlist/klangeintrag.h"

#include <array>
#include <optional>

namespace vun {

namespace {

// A phone's and a camera's formats are pictures too, whether a reader for them is installed or
// not: a photo is never dealt as a word reading its file's name.
constexpr std::array<QStringView, 13> Bildendungen{u".png",  u".jpg", u".jpeg", u".gif",  u".bmp",
                                                   u".webp", u".svg", u".heic", u".heif", u".avif",
                                                   u".jxl",  u".tif", u".tiff"};

std::optional<FehlerhaftesBild> befund(Bildfehler grund, Fotoformat format = Fotoformat::Keines) {
    FehlerhaftesBild bild;
    bild.grund = grund;
    bild.format = format;
    return bild;
}

// One picture file, by its resolved path; innen is the folder's real path ending in "/".
std::optional<FehlerhaftesBild> dateiPruefen(const QString& pfad, const QByteArray& innen,
                                             const Bildleser& leser) {
    QFile datei;
    switch (dateiOeffnen(pfad, innen, MaxBilddatei, datei)) {
    case Dateiort::Offen:
        break;
    case Dateiort::Fehlt:
        return befund(Bildfehler::Fehlt);
    case Dateiort::Ordner:
        return befund(Bildfehler::Ordner);
    case Dateiort::KeineDatei:
        return befund(Bildfehler::KeinBild);
    case Dateiort::ZuGross:
        return befund(Bildfehler::ZuGross);
    case Dateiort::Ausserhalb:
        return befund(Bildfehler::Ausserhalb);
    }
    const Bildbefund gelesen = leser.pruefen(datei, pfad);
    if (gelesen.ohneLeser != Fotoformat::Keines)
        return befund(Bildfehler::OhneLeser, gelesen.ohneLeser);
    if (!gelesen.vektor && bildZuGross(gelesen.groesse))
        return befund(Bildfehler::ZuGross);
    if (!gelesen.lesbar || gelesen.groesse.isEmpty())
        return befund(Bildfehler::KeinBild);
    return std::nullopt;
}

} // namespace

GelesenerInhalt inhaltMitNamenLesen(QString geschrieben, const QString& ordner) {
    GelesenerInhalt gelesen;
    const auto [rest, klang] = klangAbtrennen(geschrieben);
    if (!klang.isEmpty()) {
        gelesen.klangname = klang.toString();
        gelesen.inhalt.klang = QDir::cleanPath(ordner + u'/' + alsPfad(klang));
        if (rest.isEmpty())
            return gelesen;
        geschrieben = rest.toString();
    }
    if (endetAuf(geschrieben, Bildendungen)) {
        gelesen.inhalt.bild = QDir::cleanPath(ordner + u'/' + alsPfad(geschrieben));
        gelesen.bildname = std::move(geschrieben);
    } else {
        gelesen.inhalt.wort = std::move(geschrieben);
    }
    return gelesen;
}

Karteninhalt inhaltLesen(QString geschrieben, const QString& ordner) {
    return inhaltMitNamenLesen(std::move(geschrieben), ordner).inhalt;
}

Bildpruefung bilderPruefen(const QList<Bildstelle>& bilder, const QDir& ordner,
                           const Bildleser& leser, int hoechstens) {
    return dateienPruefen<FehlerhaftesBild>(bilder, ordner, hoechstens,
                                            [&leser](const QString& pfad, const QByteArray& innen) {
                                                return dateiPruefen(pfad, innen, leser);
                                            });
}

} // namespace vun
