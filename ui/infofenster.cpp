#include "ui/infofenster.h"

#include "game/zeilen.h"
#include "ui/aussehen.h"
#include "ui/bildknopf.h"
#include "ui/impressum.h"
#include "ui/massstab.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <array>
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

struct Logobuchstabe {
    const char* name;
    int links;
    int breite;
    const char* text;
    QColor farbe;
    Qt::Alignment ausrichtung;
};

const std::array<Logobuchstabe, 4> Logo{{
    {"Bezeichnung2", 240, 375, "V", QColor(255, 0, 255), Qt::AlignHCenter},
    {"Bezeichnung3", 600, 375, "U", QColor(0, 255, 255), Qt::AlignHCenter},
    {"Bezeichnung4", 960, 375, "N", QColor(128, 255, 128), Qt::AlignHCenter},
    {"Bezeichnung5", 1320, 1935, " - M e m o", QColor(255, 255, 255), Qt::AlignLeft},
}};

} // namespace

Infofenster::Infofenster(Eingabewache& eingabe) {
    festesFenster(this, QStringLiteral("VUNLABEL"), {}, Hellcyan);
    setWindowTitle(QStringLiteral("Programm-Info"));
    bauen(eingabe);
    massstabSetzen(1.0);
}

// Listed from the bottom of the stacking order to the top.
void Infofenster::bauen(Eingabewache& eingabe) {
    figur1_ = new QWidget(this);
    figur1_->setObjectName(QStringLiteral("Figur1"));
    einfaerben(figur1_, Dunkelblau, Dunkelblau);

    auto* okay = new Klickfeld(this);
    okay->setObjectName(QStringLiteral("Bezeichnung1"));
    okay->setTextFormat(Qt::PlainText);
    okay->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    okay->setText(QStringLiteral("O k a y"));
    einfaerben(okay, Dunkelblau, QColor(255, 0, 0));
    okay->beimKlick = [this] { hide(); };
    okay_ = okay;

    for (std::size_t i = 0; i < Logo.size(); ++i) {
        const Logobuchstabe& b = Logo.at(i);
        logo_.at(i) = neuesLabel(this, QString::fromLatin1(b.name), QString::fromLatin1(b.text),
                                 b.ausrichtung);
        einfaerben(logo_.at(i), Dunkelblau, b.farbe);
    }

    bezeichnung6_ = neuesLabel(this, QStringLiteral("Bezeichnung6"), QString(), Qt::AlignLeft);
    einfaerben(bezeichnung6_, Dunkelblau, Qt::white);

    bezeichnung7_ = neuesLabel(this, QStringLiteral("Bezeichnung7"), QString(), Qt::AlignHCenter);
    einfaerben(bezeichnung7_, QColor(255, 255, 224), Qt::black);
    bezeichnung7_->setFrameStyle(QFrame::Box | QFrame::Plain);
    bezeichnung7_->setLineWidth(1);

    web_ = neuesLabel(this, QStringLiteral("Bezeichnung8"), webzeile(), Qt::AlignHCenter);
    einfaerben(web_, Hellcyan, palette().color(QPalette::WindowText));

    flagge_ =
        new Bildknopf(QStringLiteral("Bild1"), QStringLiteral("flagge"), Dunkelblau, eingabe, this);
    flagge_->setAccessibleName(QStringLiteral("Schließen"));
    connect(flagge_, &Bildknopf::geklickt, this, &QWidget::hide);
}

void Infofenster::massstabSetzen(double faktor) {
    setFixedSize(skaliert(Entwurf, faktor));
    const Anordnung a{faktor, {}};
    a.schriftSetzen(this, schrift(8.25, true));
    a.setzen(figur1_, twips(120, 120, 3255, 2895));
    a.setzen(okay_, twips(240, 2400, 2175, 615), schrift(18, true, true));
    for (std::size_t i = 0; i < Logo.size(); ++i)
        a.setzen(logo_.at(i), twips(Logo.at(i).links, 240, Logo.at(i).breite, 615),
                 schrift(18, true));
    a.setzen(bezeichnung6_, twips(240, 840, 3015, 975), schrift(8.25, false));
    a.setzen(bezeichnung7_, twips(240, 1800, 3015, 495), schrift(9.75, false));
    a.setzen(web_, twips(120, 3120, 3255, 255));
    a.setzen(flagge_, twips(2400, 2400, 855, 615));
    flagge_->setzeMassstab(faktor);
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

void Infofenster::keyPressEvent(QKeyEvent* ereignis) {
    if (ereignis->key() == Qt::Key_Escape && ereignis->modifiers() == Qt::NoModifier) {
        hide();
        ereignis->accept();
        return;
    }
    QWidget::keyPressEvent(ereignis);
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
