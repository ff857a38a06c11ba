#include "wordlist/klangeintrag.h"

#include "seams/klangleser.h"

#include <array>
#include <optional>

namespace vun {

namespace {

constexpr std::array<QStringView, 7> Klangendungen{u".ogg", u".oga", u".opus", u".wav",
                                                   u".mp3", u".m4a", u".flac"};

bool rand(QChar c) {
    return c == u' ' || c == u'\t';
}

QStringView ohneRand(QStringView text) {
    while (!text.isEmpty() && rand(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && rand(text.back()))
        text.chop(1);
    return text;
}

// A "+" that may join: a blank or tab on each side.
bool verbindet(QStringView text, qsizetype i) {
    return text[i] == u'+' && i > 0 && i + 1 < text.size() && rand(text[i - 1]) &&
           rand(text[i + 1]);
}

// The two sides of the "+" at i, where a sound stands on exactly one of them.
std::optional<Klangteile> teile(QStringView text, qsizetype i) {
    const QStringView links = ohneRand(text.first(i));
    const QStringView rechts = ohneRand(text.sliced(i + 1));
    if (links.isEmpty() || rechts.isEmpty())
        return std::nullopt;
    const bool linksKlang = istKlangname(links);
    if (istKlangname(rechts) && !linksKlang)
        return Klangteile{links, rechts};
    if (linksKlang && !istKlangname(rechts))
        return Klangteile{rechts, links};
    return std::nullopt;
}

std::optional<FehlerhafterKlang> befund(Klangfehler grund, qint64 dauer = -1) {
    FehlerhafterKlang klang;
    klang.grund = grund;
    klang.dauer = dauer;
    return klang;
}

std::optional<FehlerhafterKlang> dateiPruefen(const QString& pfad, const QByteArray& innen,
                                              const Klangleser& leser) {
    QFile datei;
    switch (dateiOeffnen(pfad, innen, MaxKlangdatei, datei)) {
    case Dateiort::Offen:
        break;
    case Dateiort::Fehlt:
        return befund(Klangfehler::Fehlt);
    case Dateiort::Ordner:
        return befund(Klangfehler::Ordner);
    case Dateiort::KeineDatei:
        return befund(Klangfehler::KeinKlang);
    case Dateiort::ZuGross:
        return befund(Klangfehler::ZuGross);
    case Dateiort::Ausserhalb:
        return befund(Klangfehler::Ausserhalb);
    }
    const Klangbefund gelesen = leser.pruefen(datei, pfad);
    if (gelesen.dauer > MaxKlangdauer)
        return befund(Klangfehler::ZuLang, gelesen.dauer);
    // A sound whose headers tell no length could play for hours.
    if (!gelesen.abspielbar || gelesen.dauer < 0)
        return befund(Klangfehler::KeinKlang);
    return std::nullopt;
}

} // namespace

bool istKlangname(QStringView text) {
    return endetAuf(text, Klangendungen);
}

Klangteile klangAbtrennen(QStringView text) {
    // Most entries are words without a dot: they are passed at once.
    if (!text.contains(u'.'))
        return {text, {}};
    qsizetype letztes = -1;
    qsizetype erstes = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (verbindet(text, i)) {
            letztes = i;
            if (erstes < 0)
                erstes = i;
        }
    }
    if (letztes >= 0) {
        if (const auto hinten = teile(text, letztes); hinten && hinten->klang.end() == text.end())
            return *hinten;
        if (const auto vorn = teile(text, erstes); vorn && vorn->klang.begin() == text.begin())
            return *vorn;
    }
    if (istKlangname(text))
        return {{}, text};
    return {text, {}};
}

Klangpruefung klaengePruefen(const QList<Klangstelle>& klaenge, const QDir& ordner,
                             const Klangleser& leser, int hoechstens) {
    return dateienPruefen<FehlerhafterKlang>(
        klaenge, ordner, hoechstens, [&leser](const QString& pfad, const QByteArray& innen) {
            return dateiPruefen(pfad, innen, leser);
        });
}

} // namespace vun
