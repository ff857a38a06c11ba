#include "ui/vergroesserung.h"

#include "ui/bildgroessen.h"
#include "ui/fensterrahmen.h"

#include <QScreen>
#include <QWheelEvent>
#include <QWidget>

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

void Vergroesserung::setzeEntwurf(QSize entwurf) {
    if (entwurf == entwurf_)
        return;
    entwurf_ = entwurf;
    if (vollbild_) {
        anordnen();
        return;
    }
    groesseFestlegen();
    mittig_();
}

void Vergroesserung::groesseFestlegen() {
    // A larger design may not fit the screen at the step chosen for a smaller one.
    const QSize frei = freieFlaeche();
    while (stufe_ != Zoomstufen.front() &&
           (skaliert(entwurf_, stufe_ / 100.0).width() > frei.width() ||
            skaliert(entwurf_, stufe_ / 100.0).height() > frei.height()))
        stufe_ = naechsteStufe(stufe_, -1, entwurf_, frei);
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
        if (fenster_->isVisible())
            fenster_->showFullScreen();
        emit vollbildGeschaltet(true);
        return;
    }
    vollbild_ = false;
    if (fenster_->isVisible())
        fenster_->showNormal();
    groesseFestlegen();
    // A board changed in full screen has a window of another size, which belongs centred.
    if (normalRahmen_.size() != fenster_->size())
        mittig_();
    else
        fenster_->setGeometry(normalRahmen_);
    emit vollbildGeschaltet(false);
}

bool Vergroesserung::eventFilter(QObject* objekt, QEvent* ereignis) {
    switch (ereignis->type()) {
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
