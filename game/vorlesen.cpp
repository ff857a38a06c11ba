#include "game/vorlesen.h"

#include "game/memo.h"
#include "seams/dialoge.h"
#include "seams/sprecher.h"

namespace vun {

Vorlesen::Vorlesen(Memo& memo, Dialoge& dialoge, Sprecherquelle quelle,
                   Bildschirmleser bildschirmleser)
    : memo_(memo), dialoge_(dialoge), quelle_(std::move(quelle)),
      bildschirmleser_(std::move(bildschirmleser)) {
    connect(&memo_, &Memo::aufgedeckt, this, &Vorlesen::karteAufgedeckt);
    connect(&memo_, &Memo::gewinnmeldung, this, &Vorlesen::sagen);
}

Vorlesen::~Vorlesen() = default;

QString vorlesenHindernistext(const QString& grund, const QString& paket) {
    return QStringLiteral("Vorlesen geht hier nicht: ") + grund + QChar(u'.') + CR +
           QStringLiteral("Bitte das Paket „") + paket + QStringLiteral("“ installieren.") + CR +
           QStringLiteral("Bis dahin bleibt das Spiel still.");
}

void Vorlesen::einschalten() {
    if (gewollt_)
        return;
    gewollt_ = true;
    if (bereit_) {
        an_ = true;
        emit geschaltet(true);
        return;
    }
    if (wartet_)
        return;
    // A voice that could not speak is made afresh, after the teacher has installed what was
    // missing; it is never dropped while it answers.
    if (!sprecher_ || verworfen_)
        sprecher_ = quelle_ ? quelle_() : nullptr;
    verworfen_ = false;
    if (!sprecher_) {
        vorbereitet(Sprachhindernis{QStringLiteral("die Sprachausgabe fehlt"),
                                    QStringLiteral("vun-memory")});
        return;
    }
    wartet_ = true;
    sprecher_->vorbereiten([this](std::optional<Sprachhindernis> hindernis) {
        wartet_ = false;
        vorbereitet(std::move(hindernis));
    });
}

void Vorlesen::vorbereitet(std::optional<Sprachhindernis> hindernis) {
    if (hindernis) {
        verworfen_ = true;
        // Switched off again while the voice was being got ready: no box about it.
        if (!gewollt_)
            return;
        gewollt_ = false;
        dialoge_.MsgBox(vorlesenHindernistext(hindernis->grund, hindernis->paket), NurOk,
                        QStringLiteral("VUN-Memory"));
        emit geschaltet(false);
        return;
    }
    bereit_ = true;
    if (gewollt_) {
        an_ = true;
        emit geschaltet(true);
        sagen(ausstehend_);
    }
    ausstehend_.clear();
}

void Vorlesen::ausschalten() {
    if (!gewollt_)
        return;
    gewollt_ = false;
    ausstehend_.clear();
    if (an_) {
        an_ = false;
        sprecher_->verstummen();
    }
    emit geschaltet(false);
}

void Vorlesen::karteAufgedeckt(int karte) {
    // A picture speaks for itself.
    const Karteninhalt& inhalt = memo_.karte(karte).inhalt;
    if (!inhalt.istBild())
        sagen(inhalt.wort);
}

void Vorlesen::sagen(const QString& text) {
    // The card turned last while the voice is got ready speaks once it is: a child who switches
    // on and turns a card at once hears it.
    if (wartet_ && gewollt_)
        ausstehend_ = text;
    if (!an_ || text.isEmpty())
        return;
    // A screen reader announces what changed already; a second voice over it helps no one.
    if (bildschirmleser_ && bildschirmleser_())
        return;
    sprecher_->sprechen(text);
}

} // namespace vun
