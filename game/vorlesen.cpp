#include "game/vorlesen.h"

#include "game/memo.h"
#include "seams/dialoge.h"
#include "seams/sprecher.h"

#include <QFileInfo>
#include <algorithm>
#include <array>

namespace vun {

namespace {

struct Wortlaut {
    const char* grund;
    const char* paket; // the Debian package that lets a voice speak
};

// Why, and what to install, in the order of Sprachhindernis.
constexpr std::array<Wortlaut, 6> Wortlaute{{
    {"die Sprachausgabe fehlt", "vun-memory"},
    {"das Vorlesemodul fehlt", "vun-memory"},
    {"Qt kann nicht sprechen", "libqt6texttospeech6"},
    {"Qt findet keinen Sprachdienst", "qt6-speech-speechd-plugin"},
    {"der Sprachdienst antwortet nicht", "speech-dispatcher"},
    {"es gibt keine deutsche Stimme", "speech-dispatcher-espeak-ng"},
}};

} // namespace

Vorlesen::Vorlesen(Memo& memo, Dialoge& dialoge, Sprecherquelle quelle,
                   Bildschirmleser bildschirmleser)
    : memo_(memo), dialoge_(dialoge), quelle_(std::move(quelle)),
      bildschirmleser_(std::move(bildschirmleser)) {
    connect(&memo_, &Memo::aufgedeckt, this, &Vorlesen::karteAufgedeckt);
    connect(&memo_, &Memo::gewinnmeldung, this, &Vorlesen::sagen);
    connect(&memo_, &Memo::zugGewechselt, this, &Vorlesen::zugGewechselt);
}

Vorlesen::~Vorlesen() = default;

QString vorlesenHindernistext(Sprachhindernis hindernis) {
    const Wortlaut& w = Wortlaute.at(static_cast<std::size_t>(hindernis));
    return QStringLiteral("Vorlesen geht hier nicht: ") + QString::fromUtf8(w.grund) + QChar(u'.') +
           CR + QStringLiteral("Bitte das Paket „") + QString::fromUtf8(w.paket) +
           QStringLiteral("“ installieren.") + CR +
           QStringLiteral("Bis dahin bleibt das Spiel still.");
}

void Vorlesen::einschalten() {
    switch (zustand_) {
    case Zustand::Wartet:
    case Zustand::An:
        return;
    case Zustand::Bereit:
        zustand_ = Zustand::An;
        emit geschaltet(true);
        return;
    case Zustand::Abgesagt:
        zustand_ = Zustand::Wartet;
        return;
    case Zustand::Aus:
        break;
    }
    // A voice that could not speak is made afresh, after the teacher has installed what was
    // missing; it is never dropped while it answers.
    sprecher_ = quelle_ ? quelle_() : nullptr;
    zustand_ = Zustand::Wartet;
    if (!sprecher_) {
        vorbereitet(Sprachhindernis::KeineSprachausgabe);
        return;
    }
    sprecher_->vorbereiten(
        [this](std::optional<Sprachhindernis> hindernis) { vorbereitet(std::move(hindernis)); });
}

void Vorlesen::vorbereitet(std::optional<Sprachhindernis> hindernis) {
    const bool gewollt = zustand_ == Zustand::Wartet;
    if (hindernis) {
        zustand_ = Zustand::Aus;
        // Switched off again while the voice was being got ready: no box about it.
        if (!gewollt)
            return;
        dialoge_.MsgBox(vorlesenHindernistext(*hindernis), NurOk, QStringLiteral("VUN-Memory"));
        emit geschaltet(false);
        return;
    }
    zustand_ = gewollt ? Zustand::An : Zustand::Bereit;
    if (gewollt) {
        emit geschaltet(true);
        sagen(ausstehend_);
    }
    ausstehend_.clear();
}

void Vorlesen::ausschalten() {
    if (zustand_ == Zustand::Wartet) {
        zustand_ = Zustand::Abgesagt;
    } else if (zustand_ == Zustand::An) {
        zustand_ = Zustand::Bereit;
        sprecher_->verstummen();
    } else {
        return;
    }
    ausstehend_.clear();
    emit geschaltet(false);
}

void Vorlesen::karteAufgedeckt(int karte) {
    // A card with a sound of its own plays that instead, and the word before falls silent for it.
    if (memo_.liste1().at(karte - 1).inhalt.hatKlang()) {
        ausstehend_.clear();
        if (zustand_ == Zustand::An)
            sprecher_->verstummen();
        gesagt_.clear();
        return;
    }
    gesagt_ = vorzulesen(memo_.liste1(), karte);
    sagen(gesagt_);
}

// The turn passes on the card that ended the last turn: its word is said again with the turn,
// at once, so the voice is not cut off in the middle of the word.
void Vorlesen::zugGewechselt() {
    const QString dran = memo_.gruppenspiel().dranText();
    sagen(gesagt_.isEmpty() ? dran : gesagt_ + QStringLiteral(". ") + dran);
}

namespace {

// A file's name a voice can say: letters and blanks, no digits, signs or endings within.
QString sprechbarerName(const QString& pfad) {
    const QString name = QFileInfo(pfad).completeBaseName().simplified();
    const bool buchstaben =
        std::any_of(name.cbegin(), name.cend(), [](QChar c) { return c.isLetter(); });
    const bool nurWort =
        std::all_of(name.cbegin(), name.cend(), [](QChar c) { return c.isLetter() || c == u' '; });
    return buchstaben && nurWort ? name : QString();
}

} // namespace

QString vorzulesen(const QList<Spielkarte>& liste1, int karte) {
    if (karte < 1 || karte > liste1.size())
        return {};
    const Spielkarte& gedreht = liste1.at(karte - 1);
    if (!gedreht.inhalt.istBild())
        return gedreht.inhalt.wort;
    for (qsizetype i = 0; i < liste1.size(); ++i) {
        const Spielkarte& andere = liste1.at(i);
        if (i != karte - 1 && andere.paar == gedreht.paar && !andere.inhalt.wort.isEmpty())
            return andere.inhalt.wort;
    }
    return sprechbarerName(gedreht.inhalt.bild);
}

void Vorlesen::sagen(const QString& text) {
    // The card turned last while the voice is got ready speaks once it is: a child who switches
    // on and turns a card at once hears it.
    if (zustand_ == Zustand::Wartet)
        ausstehend_ = text;
    if (zustand_ != Zustand::An || text.isEmpty())
        return;
    // A screen reader announces what changed already; a second voice over it helps no one.
    if (bildschirmleser_ && bildschirmleser_())
        return;
    sprecher_->sprechen(text);
}

} // namespace vun
