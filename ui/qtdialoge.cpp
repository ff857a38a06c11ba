#include "ui/qtdialoge.h"

#include "ui/aussehen.h"
#include "ui/bilder.h"
#include "ui/massstab.h"
#include "ui/programm.h"
#include "ui/vergroesserung.h"

#include <QEvent>
#include <QInputDialog>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTextDocument>
#include <QTextEdit>
#include <QtMath>
#include <algorithm>

namespace vun::ui {

namespace {

QPushButton* knopf(QMessageBox& box, QMessageBox::StandardButton art, const QString& text) {
    QPushButton* k = box.addButton(art);
    k->setText(text);
    return k;
}

// Qt's margins, gaps and button pictures are pixels of the style: grown with the text, they keep
// the box as it looks at 100 %. Called once the box has its buttons.
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

// The style's question mark comes at a few small sizes, which grown would be blurred; the
// program's own question mark is stored large enough for any zoom.
void frageZoomen(QMessageBox& box, double faktor) {
    if (faktor == 1.0 || box.icon() != QMessageBox::Question)
        return;
    const int seite =
        qRound(box.style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, &box) * faktor);
    const qreal dichte = box.devicePixelRatioF();
    QPixmap bild = QPixmap::fromImage(
        gespeichertesBild(u"hilfe", qCeil(seite * dichte))
            .scaled(QSize(seite, seite) * dichte, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    bild.setDevicePixelRatio(dichte);
    box.setIconPixmap(bild);
}

// Qt gives the details a field of a fixed height in pixels, which at a larger font shows a line or
// two, cut. It gets the height of its whole text; where the box would then pass the screen, the
// box's place takes it back to what fits, and its scroll bar shows the rest.
void detailsGanz(QMessageBox& box) {
    auto* feld = box.findChild<QTextEdit*>();
    if (!feld)
        return;
    const int rand = 2 * feld->frameWidth();
    QTextDocument probe;
    probe.setDefaultFont(feld->font());
    probe.setDocumentMargin(feld->document()->documentMargin());
    probe.setPlainText(feld->toPlainText());
    probe.setTextWidth(feld->minimumWidth() - rand);
    feld->setFixedHeight(qCeil(probe.size().height()) + rand);
}

// A box stands centred over the window it belongs to, and stays so as it grows with its details;
// without a window, over the screen. It never reaches past the screen: shown details too tall
// for it give up the height it lacks.
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

double QtDialoge::faktor() const {
    return eltern_ && zoom_ ? zoom_->faktor() : 1.0;
}

// A zoomed main window gets boxes to match: their text grows with it, and so does the
// question mark.
void QtDialoge::einrichten(QDialog& box, const QString& titel) {
    if (faktor() != 1.0)
        box.setFont(skaliert(box.font(), faktor()));
    box.setWindowModality(Qt::ApplicationModal);
    box.setWindowTitle(titel);
    new Boxplatz(box);
}

void QtDialoge::qtTexteBereitstellen() {
    if (qtTexte_)
        return;
    qtTexte_ = std::make_unique<QTranslator>();
    qtTexteLaden(*qtTexte_);
}

QWidget* QtDialoge::eltern() const {
    return eltern_ && eltern_->isVisible() ? eltern_.data() : nullptr;
}

MsgBoxAntwort QtDialoge::MsgBox(const QString& prompt, MsgBoxStil stil, const QString& titel,
                                const QString& details) {
    qtTexteBereitstellen();
    QMessageBox box(eltern());
    einrichten(box, titel);
    box.setTextFormat(Qt::PlainText);
    box.setText(zeilen(prompt));
    // The game asks its questions with the question mark and tells everything else plainly.
    box.setIcon(stil & Fragezeichen ? QMessageBox::Question : QMessageBox::NoIcon);
    frageZoomen(box, faktor());
    // Qt adds its own button that shows these on request; the box's own buttons stay as they are.
    if (!details.isEmpty()) {
        box.setDetailedText(details);
        // Qt's field for them is narrow: a reason of a few lines would wrap after every few words.
        for (QTextEdit* feld : box.findChildren<QTextEdit*>())
            feld->setMinimumWidth(feld->fontMetrics().averageCharWidth() * 56);
    }
    // The game asks with OK alone or with Yes and No.
    if ((stil & 15) == JaNein) {
        QPushButton* ja = knopf(box, QMessageBox::Yes, QStringLiteral("Ja"));
        QPushButton* nein = knopf(box, QMessageBox::No, QStringLiteral("Nein"));
        box.setDefaultButton(stil & ZweiteTasteVorgabe ? nein : ja);
        // Escape and the close box answer No, as with any Yes/No question.
        box.setEscapeButton(nein);
        abstaendeZoomen(box, faktor());
        detailsGanz(box);
        box.exec();
        return box.clickedButton() == ja ? AntwortJa : AntwortNein;
    }
    QPushButton* ok = knopf(box, QMessageBox::Ok, QStringLiteral("OK"));
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    abstaendeZoomen(box, faktor());
    detailsGanz(box);
    box.exec();
    return AntwortOk;
}

QString QtDialoge::InputBox(const QString& prompt, const QString& titel, const QString& vorgabe) {
    qtTexteBereitstellen();
    QInputDialog box(eltern());
    einrichten(box, titel);
    box.setInputMode(QInputDialog::TextInput);
    box.setLabelText(zeilen(prompt));
    box.setTextValue(vorgabe);
    box.setOkButtonText(QStringLiteral("OK"));
    box.setCancelButtonText(QStringLiteral("Abbrechen"));
    for (QLabel* label : box.findChildren<QLabel*>())
        label->setTextFormat(Qt::PlainText);
    abstaendeZoomen(box, faktor());
    return box.exec() == QDialog::Accepted ? box.textValue() : QString();
}

} // namespace vun::ui
