#include "ui/gruppenstreifen.h"

#include "game/memo.h"
#include "look/gruppenbild.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPainter>

namespace vun::ui {

namespace {

// The strip is what a screen reader's key for the status bar reads.
class Zugang : public QAccessibleWidget {
public:
    explicit Zugang(Gruppenstreifen* streifen)
        : QAccessibleWidget(streifen, QAccessible::StatusBar) {}

    QString text(QAccessible::Text art) const override {
        return art == QAccessible::Name ? static_cast<Gruppenstreifen*>(widget())->zugangstext()
                                        : QAccessibleWidget::text(art);
    }
};

QAccessibleInterface* zugangFuer(const QString& klasse, QObject* objekt) {
    if (klasse == QLatin1String("vun::ui::Gruppenstreifen"))
        return new Zugang(static_cast<Gruppenstreifen*>(objekt));
    return nullptr;
}

} // namespace

Gruppenstreifen::Gruppenstreifen(const Memo& memo, QWidget* eltern) : QWidget(eltern), memo_(memo) {
    static const bool angemeldet = [] {
        QAccessible::installFactory(zugangFuer);
        return true;
    }();
    Q_UNUSED(angemeldet);
    setObjectName(QStringLiteral("Gruppenstreifen"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    connect(&memo_, &Memo::gruppenGeaendert, this, &Gruppenstreifen::folgen);
    connect(&memo_, &Memo::zugGewechselt, this, &Gruppenstreifen::zugMelden);
    folgen();
}

QString Gruppenstreifen::zugangstext() const {
    const Gruppenspiel& spiel = memo_.gruppenspiel();
    if (!spiel.aktiv())
        return {};
    return spiel.dranText() + QStringLiteral(". ") + spiel.standText();
}

void Gruppenstreifen::folgen() {
    update();
    QAccessibleEvent ereignis(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&ereignis);
}

// A turn passes while the children look at the board, not at the strip: screen readers are
// told at once, as an alert that they speak wherever the focus is.
void Gruppenstreifen::zugMelden() {
    folgen();
    QAccessibleEvent ereignis(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&ereignis);
}

void Gruppenstreifen::paintEvent(QPaintEvent*) {
    const Gruppenspiel& spiel = memo_.gruppenspiel();
    QPainter maler(this);
    gruppenstreifenMalen(maler, rect(), spiel.gruppen(), spiel.dran(), font(),
                         palette().color(QPalette::Window));
}

} // namespace vun::ui
