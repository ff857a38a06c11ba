#include "game/klaenge.h"

#include "game/memo.h"
#include "seams/dialoge.h"

#include <array>

namespace vun {

namespace {

struct Wortlaut {
    const char* grund;
    const char* paket; // the Debian package that lets the sound be heard
};

// Why, and what to install, in the order of Klanghindernis, as Debian packages it: libpulse0
// brings libsndfile1, which decodes every format but AAC, and libfaad2 decodes AAC.
constexpr std::array<Wortlaut, 9> Wortlaute{{
    {"das Klangmodul fehlt", "vun-memory"},
    {"die Klangbibliothek fehlt", "libpulse0"},
    {"es gibt keinen Tondienst", "pulseaudio"},
    {"Ogg-Vorbis-Klänge können nicht abgespielt werden", "libsndfile1"},
    {"Opus-Klänge können nicht abgespielt werden", "libsndfile1"},
    {"WAV-Klänge können nicht abgespielt werden", "libsndfile1"},
    {"MP3-Klänge können nicht abgespielt werden", "libsndfile1"},
    {"AAC-Klänge (.m4a) können nicht abgespielt werden", "libfaad2"},
    {"FLAC-Klänge können nicht abgespielt werden", "libsndfile1"},
}};

} // namespace

QString klanghindernistext(const QList<Klanghindernis>& hindernisse) {
    QString text;
    for (Klanghindernis hindernis : hindernisse) {
        const Wortlaut& w = Wortlaute.at(static_cast<std::size_t>(hindernis));
        text += QStringLiteral("Klänge gehen hier nicht: ") + QString::fromUtf8(w.grund) +
                QChar(u'.') + CR + QStringLiteral("Bitte das Paket „") +
                QString::fromUtf8(w.paket) + QStringLiteral("“ installieren.") + CR;
    }
    return text + QStringLiteral("Bis dahin bleiben diese Karten still.");
}

Klaenge::Klaenge(Memo& memo, Dialoge& dialoge, Spielerquelle quelle)
    : memo_(memo), dialoge_(dialoge), quelle_(std::move(quelle)) {
    connect(&memo_, &Memo::gemischt, this, &Klaenge::gemischt);
    connect(&memo_, &Memo::aufgedeckt, this, &Klaenge::karteAufgedeckt);
    connect(&memo_, &Memo::angetippt, this, &Klaenge::karteAngetippt);
}

Klaenge::~Klaenge() = default;

void Klaenge::gemischt() {
    QStringList dateien;
    for (const Spielkarte& karte : memo_.liste1())
        if (karte.inhalt.hatKlang() && !dateien.contains(karte.inhalt.klang))
            dateien.append(karte.inhalt.klang);
    if (spieler_) {
        // A new deal starts quiet, whatever the last one left playing.
        spieler_->verstummen();
    } else if (dateien.isEmpty() || ohneSpieler_) {
        return;
    } else {
        spieler_ = quelle_ ? quelle_() : nullptr;
        if (!spieler_) {
            ohneSpieler_ = true;
            vorbereitet({Klanghindernis::KeinModul});
            return;
        }
    }
    spieler_->vorbereiten(
        dateien, [this](const QList<Klanghindernis>& hindernisse) { vorbereitet(hindernisse); });
}

void Klaenge::vorbereitet(const QList<Klanghindernis>& hindernisse) {
    // One box for all that stands in the way; what was told once is not told again.
    QList<Klanghindernis> neu;
    for (Klanghindernis hindernis : hindernisse)
        if (!gemeldet_.contains(hindernis) && !neu.contains(hindernis))
            neu.append(hindernis);
    if (neu.isEmpty())
        return;
    gemeldet_.unite(QSet<Klanghindernis>(neu.cbegin(), neu.cend()));
    dialoge_.MsgBox(klanghindernistext(neu), NurOk, QStringLiteral("VUN-Memory"));
}

void Klaenge::karteAufgedeckt(int karte) {
    if (!spieler_)
        return;
    const Karteninhalt& inhalt = memo_.liste1().at(karte - 1).inhalt;
    if (inhalt.hatKlang())
        spieler_->spielen(inhalt.klang);
    else
        spieler_->verstummen();
}

void Klaenge::karteAngetippt(int karte) {
    const Karteninhalt& inhalt = memo_.liste1().at(karte - 1).inhalt;
    if (spieler_ && inhalt.hatKlang())
        spieler_->spielen(inhalt.klang);
}

} // namespace vun
