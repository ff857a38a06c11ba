#include "ui/schaltflaeche.h"

#include "ui/aussehen.h"
#include "ui/eingabewache.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>

namespace vun::ui {

namespace {

class Zugang : public QAccessibleWidget {
public:
    explicit Zugang(Schaltflaeche* flaeche) : QAccessibleWidget(flaeche, QAccessible::Button) {}

    QString text(QAccessible::Text art) const override {
        return art == QAccessible::Name ? flaeche()->zugangsname() : QAccessibleWidget::text(art);
    }
    QStringList actionNames() const override {
        return QStringList(pressAction()) + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& aktion) override {
        if (aktion == pressAction())
            flaeche()->ausloesen();
        else
            QAccessibleWidget::doAction(aktion);
    }
    QStringList keyBindingsForAction(const QString& aktion) const override {
        return aktion == pressAction() ? QStringList{QStringLiteral("Space")}
                                       : QAccessibleWidget::keyBindingsForAction(aktion);
    }

private:
    Schaltflaeche* flaeche() const { return static_cast<Schaltflaeche*>(widget()); }
};

// Asked for every class of a widget from the most derived one up, so this catches all kinds.
QAccessibleInterface* zugangFuer(const QString& klasse, QObject* objekt) {
    if (klasse == QLatin1String("vun::ui::Schaltflaeche"))
        return new Zugang(static_cast<Schaltflaeche*>(objekt));
    return nullptr;
}

void zugangAnmelden() {
    static const bool angemeldet = [] {
        QAccessible::installFactory(zugangFuer);
        return true;
    }();
    Q_UNUSED(angemeldet);
}

bool istUmschalttaste(int taste) {
    return taste == Qt::Key_Shift || taste == Qt::Key_Control || taste == Qt::Key_Alt ||
           taste == Qt::Key_AltGr || taste == Qt::Key_Meta;
}

} // namespace

void Schaltflaeche::tastaturBenutzen(bool benutzt) {
    eingabe_.tastaturBenutzen(benutzt);
}

bool Schaltflaeche::fokusSichtbar() const {
    return eingabe_.tastaturBenutzt();
}

void Schaltflaeche::setzeMassstab(double faktor) {
    if (faktor == massstab_)
        return;
    massstab_ = faktor;
    update();
}

void Schaltflaeche::focusInEvent(QFocusEvent* ereignis) {
    if (ereignis->reason() == Qt::TabFocusReason || ereignis->reason() == Qt::BacktabFocusReason)
        tastaturBenutzen(true);
    QWidget::focusInEvent(ereignis);
}

Schaltflaeche::Schaltflaeche(Eingabewache& eingabe, QWidget* eltern)
    : QWidget(eltern), eingabe_(eingabe) {
    zugangAnmelden();
    // Tab brings the focus, a mouse click does not: the focus stays where the keys left it.
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Schaltflaeche::keyPressEvent(QKeyEvent* ereignis) {
    const int taste = ereignis->key();
    // Ctrl on its way to Ctrl+Plus neither moves nor presses: the zoom shows no mark.
    if (!istUmschalttaste(taste))
        tastaturBenutzen(true);
    const bool drueckt = taste == Qt::Key_Space || taste == Qt::Key_Return ||
                         taste == Qt::Key_Enter || taste == Qt::Key_Select;
    if (!drueckt || ereignis->modifiers() & ~Qt::KeypadModifier) {
        QWidget::keyPressEvent(ereignis);
        return;
    }
    // A held key never gets here twice: the program's input guard drops its repeats.
    ausloesen();
    ereignis->accept();
}

void Schaltflaeche::mouseReleaseEvent(QMouseEvent* ereignis) {
    tastaturBenutzen(false);
    if (istKlick(this, ereignis))
        ausloesen();
}

void Schaltflaeche::nameGeaendert() {
    QAccessibleEvent ereignis(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&ereignis);
}

void Schaltflaeche::fokusrahmenMalen(QPainter& maler, QRect aussen) {
    constexpr int Dicke = 2, Strich = 4;
    const QRect innen = aussen.adjusted(Dicke, Dicke, -Dicke, -Dicke);
    const QRegion rahmen = QRegion(aussen).subtracted(innen);
    // Filled rather than stroked: whole pixels stay whole pixels at any scale.
    for (const QRect& r : rahmen)
        maler.fillRect(r, Qt::black);
    const QColor gelb(255, 255, 0);
    for (int x = aussen.left(); x <= aussen.right(); x += 2 * Strich) {
        const int breite = qMin(Strich, aussen.right() + 1 - x);
        maler.fillRect(x, aussen.top(), breite, Dicke, gelb);
        maler.fillRect(x, innen.bottom() + 1, breite, Dicke, gelb);
    }
    for (int y = aussen.top(); y <= aussen.bottom(); y += 2 * Strich) {
        const int hoehe = qMin(Strich, aussen.bottom() + 1 - y);
        maler.fillRect(aussen.left(), y, Dicke, hoehe, gelb);
        maler.fillRect(innen.right() + 1, y, Dicke, hoehe, gelb);
    }
}

} // namespace vun::ui
