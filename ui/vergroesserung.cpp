#include "ui/vergroesserung.h"

#include "ui/fensterrahmen.h"

#include <QKeyEvent>
#include <QScreen>
#include <QWheelEvent>
#include <QWidget>
#include <QWindow>

namespace vun::ui {

namespace {

constexpr int RadRaste = 120; // one notch of a mouse wheel, in eighths of a degree

} // namespace

Vergroesserung::Vergroesserung(QWidget* fenster, QSize entwurf,
                               std::function<void(const Anordnung&)> anordner,
                               std::function<void()> mittig, int kopf)
    : QObject(fenster), fenster_(fenster), entwurf_(entwurf), kopf_(kopf),
      anordnen_(std::move(anordner)), mittig_(std::move(mittig)) {
    fenster_->installEventFilter(this);
    anordnen();
}

// Read before any widget, so that a card or the file list with the focus cannot take them.
bool Vergroesserung::tasteGedrueckt(const QKeyEvent* druck) {
    const Qt::KeyboardModifiers mod =
        druck->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    const int taste = druck->key();
    if (mod == Qt::NoModifier && taste == Qt::Key_F11) {
        vollbildSetzen(!vollbild_);
        return true;
    }
    if (mod == Qt::NoModifier && taste == Qt::Key_Escape && vollbild_) {
        vollbildSetzen(false);
        return true;
    }
    if (mod != Qt::ControlModifier)
        return false;
    // "+" as typed, or "=" beneath it on English keyboards.
    int richtung = 0;
    if (taste == Qt::Key_Plus || taste == Qt::Key_Equal)
        richtung = 1;
    else if (taste == Qt::Key_Minus)
        richtung = -1;
    else if (taste != Qt::Key_0)
        return false;
    stufeWechseln(richtung);
    return true;
}

void Vergroesserung::anordnen() {
    double faktor = stufe_ / 100.0;
    QPoint versatz;
    if (vollbild_) {
        const QSize gesamt = entwurf_ + QSize(0, kopf_);
        faktor = einpassen(gesamt, fenster_->size());
        const QSize belegt = skaliert(gesamt, faktor);
        versatz = QPoint((fenster_->width() - belegt.width()) / 2,
                         (fenster_->height() - belegt.height()) / 2);
    }
    anordnen_(Anordnung{faktor, versatz, vollbild_});
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
    // Before the first showing the window's place is only a guess made without its frame, so
    // full screen then returns to the centre as the frame is known by that time.
    normalRahmen_ = fenster_->isVisible() ? fenster_->geometry() : QRect();
    fenster_->setMinimumSize(0, 0);
    fenster_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    // Given the screen's size here, not only when the window system grants full screen: weston
    // keeps a window of fixed size until now at that size when it is only asked for full screen.
    fenster_->setGeometry(fenster_->screen()->geometry());
    anordnen();
}

void Vergroesserung::vollbildSetzen(bool an) {
    if (an == vollbild_)
        return;
    if (an) {
        vollbildVorbereiten();
        fenster_->showFullScreen();
        return;
    }
    vollbild_ = false;
    fenster_->showNormal();
    groesseFestlegen();
    if (normalRahmen_.isEmpty())
        mittig_();
    else
        fenster_->setGeometry(normalRahmen_);
}

bool Vergroesserung::eventFilter(QObject* objekt, QEvent* ereignis) {
    switch (ereignis->type()) {
    case QEvent::KeyPress:
        return objekt == fenster_->windowHandle() &&
               tasteGedrueckt(static_cast<QKeyEvent*>(ereignis));
    case QEvent::Show:
        // The window's keys pass its window handle first, which exists once it is shown.
        if (objekt == fenster_ && fenster_->windowHandle())
            fenster_->windowHandle()->installEventFilter(this);
        return false;
    case QEvent::Resize:
        if (objekt == fenster_ && vollbild_)
            anordnen();
        return false;
    case QEvent::Wheel:
        return objekt == fenster_ && radGedreht(static_cast<QWheelEvent*>(ereignis));
    default:
        return false;
    }
}

bool Vergroesserung::radGedreht(const QWheelEvent* rad) {
    if (!(rad->modifiers() & Qt::ControlModifier))
        return false;
    radRest_ += rad->angleDelta().y();
    for (; radRest_ >= RadRaste; radRest_ -= RadRaste)
        stufeWechseln(1);
    for (; radRest_ <= -RadRaste; radRest_ += RadRaste)
        stufeWechseln(-1);
    return true;
}

} // namespace vun::ui
