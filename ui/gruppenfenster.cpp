#include "ui/gruppenfenster.h"

#include "game/memo.h"
#include "look/gruppenbild.h"
#include "ui/aussehen.h"
#include "ui/massstab.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

namespace vun::ui {

namespace {

// The design at 100 %, in pixels: the buttons of the numbers in a row, a name per group below.
constexpr QSize Entwurf(420, 476);
constexpr QRect Fragerahmen(16, 12, 388, 28);
constexpr QRect zahlrahmen(int zahl) {
    return {16 + (zahl - MinGruppen) * 80, 44, 68, 56};
}
constexpr int zeilenoben(int gruppe) {
    return 112 + (gruppe - 1) * 42;
}
constexpr QRect Wechselrahmen(16, 364, 388, 32);
constexpr QRect knopfrahmen(int i) {
    return {16 + i * 134, 408, 120, 52};
}

// A group's symbol in its colour, beside its name.
class Zeichen : public QWidget {
public:
    Zeichen(int gruppe, QWidget* eltern) : QWidget(eltern), gruppe_(gruppe) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter maler(this);
        gruppensymbolMalen(maler, gruppensymbol(gruppe_), QRectF(rect()).adjusted(2, 2, -2, -2),
                           farbe(gruppenfarbe(gruppe_)), Qt::black);
    }

private:
    int gruppe_;
};

} // namespace

Gruppenfenster::Gruppenfenster(Memo& memo, QWidget& hauptfenster)
    : QWidget(&hauptfenster, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      memo_(memo), hauptfenster_(hauptfenster) {
    setObjectName(QStringLiteral("Gruppenspiel"));
    setWindowTitle(QStringLiteral("Gruppenspiel"));
    setWindowModality(Qt::WindowModal);
    einfaerben(this, QColor(192, 255, 255), palette().color(QPalette::WindowText));
    bauen();
    zahlWaehlen(MinGruppen);
    anordnen(1.0);
}

void Gruppenfenster::bauen() {
    frage_ = neuesLabel(this, QStringLiteral("Frage"), QStringLiteral("Wie viele Gruppen spielen?"),
                        Qt::AlignLeft);
    zahlen_ = new QButtonGroup(this);
    for (int zahl = MinGruppen; zahl <= MaxGruppen; ++zahl) {
        auto* knopf = new QPushButton(QString::number(zahl), this);
        knopf->setCheckable(true);
        knopf->setAccessibleName(QStringLiteral("%1 Gruppen").arg(zahl));
        zahlen_->addButton(knopf, zahl);
    }
    connect(zahlen_, &QButtonGroup::idClicked, this, &Gruppenfenster::zahlWaehlen);
    for (int g = 1; g <= MaxGruppen; ++g) {
        zeichen_.at(g - 1) = new Zeichen(g, this);
        auto* feld = new QLineEdit(gruppenfarbname(g), this);
        feld->setMaxLength(MaxGruppenname);
        feld->setAccessibleName(QStringLiteral("Name der Gruppe %1").arg(g));
        namen_.at(g - 1) = feld;
    }
    wechsel_ = new QCheckBox(QStringLiteral("Nach jedem Zug wechseln"), this);
    los_ = new QPushButton(QStringLiteral("Los"), this);
    abbrechen_ = new QPushButton(QStringLiteral("Abbrechen"), this);
    allein_ = new QPushButton(QStringLiteral("Allein spielen"), this);
    connect(los_, &QPushButton::clicked, this, &Gruppenfenster::losgehen);
    connect(abbrechen_, &QPushButton::clicked, this, &QWidget::hide);
    connect(allein_, &QPushButton::clicked, this, [this] {
        hide();
        memo_.alleinSpielen();
    });
}

void Gruppenfenster::anordnen(double faktor) {
    setFixedSize(skaliert(Entwurf, faktor));
    const Anordnung a{faktor, {}};
    a.schriftSetzen(this, schrift(12, true));
    a.setzen(frage_, Fragerahmen);
    for (int zahl = MinGruppen; zahl <= MaxGruppen; ++zahl)
        a.setzen(zahlknopf(zahl), zahlrahmen(zahl), schrift(18, true));
    for (int g = 1; g <= MaxGruppen; ++g) {
        a.setzen(zeichen_.at(g - 1), QRect(16, zeilenoben(g), 32, 32));
        a.setzen(namen_.at(g - 1), QRect(56, zeilenoben(g), 348, 32), schrift(12, false));
    }
    a.setzen(wechsel_, Wechselrahmen);
    a.setzen(los_, knopfrahmen(0));
    a.setzen(abbrechen_, knopfrahmen(1));
    a.setzen(allein_, knopfrahmen(2));
}

QPushButton* Gruppenfenster::zahlknopf(int zahl) const {
    return static_cast<QPushButton*>(zahlen_->button(zahl));
}

int Gruppenfenster::gruppenzahl() const {
    return zahlen_->checkedId();
}

void Gruppenfenster::zahlWaehlen(int zahl) {
    zahlknopf(zahl)->setChecked(true);
    for (int g = 1; g <= MaxGruppen; ++g) {
        zeichen_.at(g - 1)->setVisible(g <= zahl);
        namen_.at(g - 1)->setVisible(g <= zahl);
    }
}

void Gruppenfenster::zeigen(double faktor) {
    const Gruppenspiel& spiel = memo_.gruppenspiel();
    if (spiel.aktiv()) {
        for (const Gruppe& g : spiel.gruppen())
            namensfeld(g.nummer)->setText(g.name);
        zahlWaehlen(int(spiel.gruppen().size()));
        wechsel_->setChecked(spiel.nachJedemZug());
    }
    allein_->setVisible(spiel.aktiv());
    // As large as the main window's zoom, but never beyond the screen the window is on.
    const QSize frei = hauptfenster_.screen()->availableGeometry().size() * 0.95;
    anordnen(std::min(faktor, einpassen(Entwurf, frei)));
    const QRect ueber = hauptfenster_.frameGeometry();
    move(ueber.center() - QPoint(width() / 2, height() / 2));
    show();
    raise();
    activateWindow();
    zahlknopf(gruppenzahl())->setFocus(Qt::OtherFocusReason);
}

void Gruppenfenster::losgehen() {
    QStringList namen;
    for (int g = 1; g <= gruppenzahl(); ++g)
        namen.append(namensfeld(g)->text());
    hide();
    memo_.gruppenspielStarten(namen, wechsel_->isChecked());
}

void Gruppenfenster::keyPressEvent(QKeyEvent* ereignis) {
    if (ereignis->modifiers() == Qt::NoModifier && ereignis->key() == Qt::Key_Escape) {
        hide();
        ereignis->accept();
        return;
    }
    if (ereignis->key() == Qt::Key_Return || ereignis->key() == Qt::Key_Enter) {
        // On a button it is that button, as Space is; anywhere else it starts the game. A name
        // field passes the key on to here after its own signal, so that is not used too.
        if (auto* knopf = qobject_cast<QPushButton*>(focusWidget()))
            knopf->click();
        else
            losgehen();
        ereignis->accept();
        return;
    }
    QWidget::keyPressEvent(ereignis);
}

} // namespace vun::ui
