#include "ui/vergroesserung.h"

#include "ui/fensterrahmen.h"
#include "ui/massstab.h"

#include <QScreen>
#include <QShortcut>
#include <QWheelEvent>
#include <QWidget>

namespace vun::ui {

namespace {

constexpr int RadRaste = 120; // one notch of a mouse wheel, in eighths of a degree

} // namespace

Vergroesserung::Vergroesserung(QWidget* fenster, QSize entwurf, std::function<void()> mittig)
    : QObject(fenster), fenster_(fenster), entwurf_(entwurf), mittig_(std::move(mittig)) {
    // Held down, a key zooms or switches once: a child leaning on F11 must not make the
    // screen flicker.
    taste(Qt::Key_F11, [this] { vollbildSetzen(!vollbild_); });
    escape_ = taste(Qt::Key_Escape, [this] { vollbildSetzen(false); });
    escape_->setEnabled(false);
    // Ctrl with the key of "+" as typed, of "=" beneath it on English keyboards, or on the keypad.
    for (const int plus : {int(Qt::Key_Plus), int(Qt::Key_Equal)}) {
        taste(QKeyCombination(Qt::ControlModifier, Qt::Key(plus)), [this] { stufeWechseln(1); });
        taste(QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, Qt::Key(plus)),
              [this] { stufeWechseln(1); });
    }
    for (const Qt::KeyboardModifiers mod :
         {Qt::KeyboardModifiers(Qt::ControlModifier), Qt::ControlModifier | Qt::KeypadModifier}) {
        taste(QKeyCombination(mod, Qt::Key_Minus), [this] { stufeWechseln(-1); });
        taste(QKeyCombination(mod, Qt::Key_0), [this] { stufeWechseln(0); });
    }
    fenster_->installEventFilter(this);
    anordnen();
}

QShortcut* Vergroesserung::taste(const QKeySequence& folge, std::function<void()> tun) {
    auto* kurz = new QShortcut(folge, fenster_);
    kurz->setAutoRepeat(false);
    connect(kurz, &QShortcut::activated, this, std::move(tun));
    return kurz;
}

void Vergroesserung::anordnen() {
    double faktor = stufe_ / 100.0;
    QPoint versatz;
    if (vollbild_) {
        faktor = einpassen(entwurf_, fenster_->size());
        const QSize belegt = skaliert(entwurf_, faktor);
        versatz = QPoint((fenster_->width() - belegt.width()) / 2,
                         (fenster_->height() - belegt.height()) / 2);
    }
    massstabAnwenden(fenster_, faktor, versatz);
    if (faktor != faktor_) {
        faktor_ = faktor;
        emit massstabGeaendert(faktor);
    }
}

QSize Vergroesserung::freieFlaeche() const {
    const QMargins rahmen = fensterrahmen(fenster_);
    return fenster_->screen()->availableGeometry().size().shrunkBy(rahmen);
}

void Vergroesserung::groesseFestlegen() {
    fenster_->setFixedSize(skaliert(entwurf_, stufe_ / 100.0));
    anordnen();
}

void Vergroesserung::stufeWechseln(int richtung) {
    if (vollbild_)
        return;
    const int neu = naechsteStufe(stufe_, richtung, entwurf_, freieFlaeche());
    if (neu == stufe_)
        return;
    stufe_ = neu;
    groesseFestlegen();
    mittig_();
}

void Vergroesserung::vollbildVorbereiten() {
    vollbild_ = true;
    escape_->setEnabled(true);
    normalRahmen_ = QRect();
    fenster_->setMinimumSize(0, 0);
    fenster_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    fenster_->setGeometry(fenster_->screen()->geometry());
    anordnen();
}

void Vergroesserung::vollbildSetzen(bool an) {
    if (an == vollbild_)
        return;
    if (an) {
        const QRect vorher = fenster_->geometry();
        vollbildVorbereiten();
        normalRahmen_ = vorher;
        fenster_->showFullScreen();
        return;
    }
    vollbild_ = false;
    escape_->setEnabled(false);
    fenster_->showNormal();
    groesseFestlegen();
    if (normalRahmen_.isEmpty())
        mittig_();
    else
        fenster_->setGeometry(normalRahmen_);
}

bool Vergroesserung::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (objekt != fenster_)
        return false;
    if (ereignis->type() == QEvent::Resize && vollbild_) {
        anordnen();
    } else if (ereignis->type() == QEvent::Wheel) {
        const auto* rad = static_cast<QWheelEvent*>(ereignis);
        if (!(rad->modifiers() & Qt::ControlModifier))
            return false;
        radRest_ += rad->angleDelta().y();
        for (; radRest_ >= RadRaste; radRest_ -= RadRaste)
            stufeWechseln(1);
        for (; radRest_ <= -RadRaste; radRest_ += RadRaste)
            stufeWechseln(-1);
        return true;
    }
    return false;
}

} // namespace vun::ui
