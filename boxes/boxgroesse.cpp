#include "boxes/boxgroesse.h"

#include <QAbstractButton>
#include <QDialog>
#include <QEvent>
#include <QLayout>
#include <QScreen>
#include <QStyle>
#include <QTextEdit>
#include <QtMath>
#include <algorithm>

namespace vun {

namespace {

// Puts the box in place as it is shown and each time it changes its size.
class Boxplatz : public QObject {
public:
    explicit Boxplatz(QDialog& box) : QObject(&box), box_(box) { box.installEventFilter(this); }

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override {
        if (objekt == &box_ && (ereignis->type() == QEvent::Show ||
                                (ereignis->type() == QEvent::Resize && box_.isVisible()))) {
            einpassen();
            mittigSetzen();
        }
        return false;
    }

private:
    QRect frei() const { return box_.screen()->availableGeometry(); }

    void einpassen() {
        auto* feld = box_.findChild<QTextEdit*>();
        if (!feld || !feld->isVisible())
            return;
        // Before the window manager has framed the box its title bar is a guess.
        int rahmen = box_.frameGeometry().height() - box_.height();
        if (rahmen == 0)
            rahmen = box_.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &box_);
        const int zuviel = box_.height() + rahmen - frei().height();
        const int weniger =
            std::min(zuviel, feld->height() - 4 * feld->fontMetrics().lineSpacing());
        if (weniger <= 0)
            return;
        feld->setFixedHeight(feld->height() - weniger);
        box_.setFixedHeight(box_.height() - weniger);
    }

    void mittigSetzen() {
        const QRect schirm = frei();
        const QWidget* eltern = box_.parentWidget();
        const QRect ueber = eltern ? eltern->window()->frameGeometry() : schirm;
        const QSize aussen = box_.frameGeometry().size();
        const auto innen = [](int soll, int anfang, int platz, int laenge) {
            return std::clamp(soll, anfang, std::max(anfang, anfang + platz - laenge));
        };
        const QPoint ecke(innen(ueber.left() + (ueber.width() - aussen.width()) / 2, schirm.left(),
                                schirm.width(), aussen.width()),
                          innen(ueber.top() + (ueber.height() - aussen.height()) / 2, schirm.top(),
                                schirm.height(), aussen.height()));
        if (box_.frameGeometry().topLeft() != ecke)
            box_.move(ecke);
    }

    QDialog& box_;
};

} // namespace

// Qt's margins, gaps and button pictures are pixels of the style: grown with the text, they keep
// the box as it looks at 100 %.
void abstaendeZoomen(QDialog& box, double faktor) {
    if (faktor == 1.0)
        return;
    const auto mal = [faktor](int pixel) { return qRound(pixel * faktor); };
    for (QLayout* anordnung : box.findChildren<QLayout*>()) {
        const QMargins r = anordnung->contentsMargins();
        anordnung->setContentsMargins(mal(r.left()), mal(r.top()), mal(r.right()), mal(r.bottom()));
        if (anordnung->spacing() > 0)
            anordnung->setSpacing(mal(anordnung->spacing()));
    }
    for (QAbstractButton* knopf : box.findChildren<QAbstractButton*>())
        knopf->setIconSize(knopf->iconSize() * faktor);
}

void mittigHalten(QDialog& box) {
    new Boxplatz(box);
}

} // namespace vun
