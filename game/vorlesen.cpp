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
           QStringLiteral("Bitte das Paket „") + paket +
           QStringLiteral("“ installieren; bis dahin bleibt das Spiel still.");
}

void Vorlesen::einschalten() {
    if (an_)
        return;
    if (!sprecher_ && quelle_)
        sprecher_ = quelle_();
    // A service that was there at the last switch-on may have gone since: asked every time.
    std::optional<Sprachhindernis> hindernis =
        sprecher_ ? sprecher_->hindernis()
                  : Sprachhindernis{QStringLiteral("die Sprachausgabe fehlt"),
                                    QStringLiteral("vun-memory")};
    if (hindernis) {
        // Made afresh at the next try, after the teacher has installed what was missing.
        sprecher_.reset();
        dialoge_.MsgBox(vorlesenHindernistext(hindernis->grund, hindernis->paket), NurOk,
                        QStringLiteral("VUN-Memory"));
        return;
    }
    an_ = true;
    emit geschaltet(true);
}

void Vorlesen::ausschalten() {
    if (!an_)
        return;
    an_ = false;
    if (sprecher_)
        sprecher_->verstummen();
    emit geschaltet(false);
}

void Vorlesen::karteAufgedeckt(int karte) {
    // A picture speaks for itself.
    const Kartenbild& bild = memo_.karte(karte);
    if (bild.bild.isEmpty())
        sagen(bild.beschriftung);
}

void Vorlesen::sagen(const QString& text) {
    if (!an_ || !sprecher_ || text.isEmpty())
        return;
    // A screen reader announces what changed already; a second voice over it helps no one.
    if (bildschirmleser_ && bildschirmleser_())
        return;
    sprecher_->sprechen(text);
}

} // namespace vun
