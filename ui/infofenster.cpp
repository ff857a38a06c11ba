#include "ui/infofenster.h"

#include "ui/aussehen.h"
#include "ui/bildknopf.h"
#include "ui/einzelklick.h"
#include "ui/impressum.h"
#include "ui/massstab.h"

#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <functional>

namespace vun::ui {

namespace {

const QColor Dunkelblau(0, 0, 128);
const QColor Hellcyan(128, 255, 255);
const QString CrLf = QStringLiteral("\r\n");
constexpr QSize Entwurf = twips(0, 0, 3510, 3405).size();

// A label that closes the window when clicked.
class Klickfeld : public QLabel {
public:
    using QLabel::QLabel;
    std::function<void()> beimKlick;

protected:
    void mouseReleaseEvent(QMouseEvent* ereignis) override {
        if (istKlick(this, ereignis) && beimKlick)
            beimKlick();
    }
};

QLabel* logoLabel(QWidget* eltern, const QString& name, int links, int breite, const QString& text,
                  QColor farbe, Qt::Alignment ausrichtung) {
    QLabel* label = neuesLabel(eltern, name, twips(links, 240, breite, 615), text, ausrichtung);
    einfaerben(label, Dunkelblau, farbe);
    label->setFont(schrift(18, true));
    return label;
}

} // namespace

Infofenster::Infofenster() {
    setObjectName(QStringLiteral("VUNLABEL"));
    setWindowTitle(QStringLiteral("Programm-Info"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(Entwurf);
    einfaerben(this, Hellcyan, palette().color(QPalette::WindowText));
    setFont(schrift(8.25, true));
    bauen();
}

// Listed from the bottom of the stacking order to the top.
void Infofenster::bauen() {
    auto* figur1 = new QWidget(this);
    figur1->setObjectName(QStringLiteral("Figur1"));
    figur1->setGeometry(twips(120, 120, 3255, 2895));
    einfaerben(figur1, Dunkelblau, Dunkelblau);

    auto* okay = new Klickfeld(this);
    okay->setObjectName(QStringLiteral("Bezeichnung1"));
    okay->setGeometry(twips(240, 2400, 2175, 615));
    okay->setTextFormat(Qt::PlainText);
    okay->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    okay->setText(QStringLiteral("O k a y"));
    einfaerben(okay, Dunkelblau, QColor(255, 0, 0));
    okay->setFont(schrift(18, true, true));
    okay->beimKlick = [this] { hide(); };
    Einzelklick::anwenden(okay);

    logoLabel(this, QStringLiteral("Bezeichnung2"), 240, 375, QStringLiteral("V"),
              QColor(255, 0, 255), Qt::AlignHCenter);
    logoLabel(this, QStringLiteral("Bezeichnung3"), 600, 375, QStringLiteral("U"),
              QColor(0, 255, 255), Qt::AlignHCenter);
    logoLabel(this, QStringLiteral("Bezeichnung4"), 960, 375, QStringLiteral("N"),
              QColor(128, 255, 128), Qt::AlignHCenter);
    logoLabel(this, QStringLiteral("Bezeichnung5"), 1320, 1935, QStringLiteral(" - M e m o"),
              QColor(255, 255, 255), Qt::AlignLeft);

    bezeichnung6_ = neuesLabel(this, QStringLiteral("Bezeichnung6"), twips(240, 840, 3015, 975),
                               QString(), Qt::AlignLeft);
    einfaerben(bezeichnung6_, Dunkelblau, Qt::white);
    bezeichnung6_->setFont(schrift(8.25, false));

    bezeichnung7_ = neuesLabel(this, QStringLiteral("Bezeichnung7"), twips(240, 1800, 3015, 495),
                               QString(), Qt::AlignHCenter);
    einfaerben(bezeichnung7_, QColor(255, 255, 224), Qt::black);
    bezeichnung7_->setFont(schrift(9.75, false));
    bezeichnung7_->setFrameStyle(QFrame::Box | QFrame::Plain);
    bezeichnung7_->setLineWidth(1);

    QLabel* web = neuesLabel(this, QStringLiteral("Bezeichnung8"), twips(120, 3120, 3255, 255),
                             webzeile(), Qt::AlignHCenter);
    einfaerben(web, Hellcyan, palette().color(QPalette::WindowText));

    auto* flagge = new Bildknopf(QStringLiteral("Bild1"), QStringLiteral("flagge"),
                                 twips(2400, 2400, 855, 615), Dunkelblau, this);
    flagge->setAccessibleName(QStringLiteral("Schließen"));
    connect(flagge, &Bildknopf::geklickt, this, &QWidget::hide);
}

void Infofenster::massstabSetzen(double faktor) {
    setFixedSize(skaliert(Entwurf, faktor));
    massstabAnwenden(this, faktor);
}

QString Infofenster::hinweis() {
    return QStringLiteral("Freie Software: nutzen, kopieren und weitergeben nach der GNU GPL, "
                          "Version 3 oder später.") +
           QStringLiteral(" Ohne Gewähr.") + CrLf +
           QStringLiteral("Viel Spaß beim Spielen und Lernen!");
}

QString Infofenster::herstellerzeilen() {
    const QString kontakt = QString::fromUtf8(impressum::Kontakt);
    return QString::fromUtf8(impressum::Hersteller) + CrLf + QStringLiteral("email: ") +
           (kontakt.isEmpty() ? QStringLiteral("(keine Adresse hinterlegt)") : kontakt);
}

QString Infofenster::webzeile() {
    const QString adresse = QString::fromUtf8(impressum::Webadresse);
    return adresse.isEmpty() ? QStringLiteral("(keine Webadresse hinterlegt)") : adresse;
}

void Infofenster::zeigen() {
    show();
    raise();
    activateWindow();
}

QPoint Infofenster::sollPosition() const {
    const QRect bildschirm = screen()->geometry();
    const QSize aussen = frameGeometry().size();
    return bildschirm.topLeft() + QPoint((bildschirm.width() - aussen.width()) / 2,
                                         (bildschirm.height() - aussen.height()) / 4);
}

void Infofenster::paintEvent(QPaintEvent* ereignis) {
    Form_Paint();
    QWidget::paintEvent(ereignis);
}

// Runs on every paint. Values already in place are left alone, so that the placement and the
// captions cause no further paint and painting comes to rest.
void Infofenster::Form_Paint() {
    const QPoint soll = sollPosition();
    if (pos() != soll)
        move(soll);
    setzeText(bezeichnung6_, hinweis());
    setzeText(bezeichnung7_, herstellerzeilen());
}

void Infofenster::setzeText(QLabel* label, const QString& text) {
    const QString angezeigt = zeilen(text);
    if (label->text() != angezeigt)
        label->setText(angezeigt);
}

} // namespace vun::ui
