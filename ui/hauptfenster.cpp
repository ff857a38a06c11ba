#include "ui/hauptfenster.h"

#include "pictures/bildvorrat.h"
#include "ui/aussehen.h"
#include "ui/bilder.h"
#include "ui/bildknopf.h"
#include "ui/brettlage.h"
#include "ui/dateiliste.h"
#include "ui/extramenue.h"
#include "ui/extras.h"
#include "ui/gruppenfenster.h"
#include "ui/infofenster.h"
#include "ui/karte.h"
#include "ui/massstab.h"
#include "ui/vergroesserung.h"
#include "ui/vorlesezeichen.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>

namespace vun::ui {

namespace {

const QColor Cyan(0, 255, 255);

struct Werkzeugeintrag {
    Hauptfenster::Werkzeug werkzeug;
    const char* bild;
    const char* bildname;
    const char* beschriftungName;
    const char* beschriftung;
    const char* zugangsname;
    const char* tipp;
    void (Memo::*befehl)(); // the game's command; none where the window acts itself
};

// The tool column from top to bottom. Printing has no button of its own; the list button tells
// the teacher where it is.
constexpr std::array<Werkzeugeintrag, 6> Werkzeuge{{
    {Hauptfenster::Werkzeug::Ende, "Bild1", "ende", "Bezeichnung19", "Ende", "Ende", nullptr,
     nullptr},
    {Hauptfenster::Werkzeug::Name, "Bild2", "name", "Bezeichnung26", "Name", "Name", nullptr,
     &Memo::Bild2_Click},
    {Hauptfenster::Werkzeug::Hilfe, "Bild3", "hilfe", "Bezeichnung27", "Hilfe", "Hilfe", nullptr,
     &Memo::Bild3_Click},
    {Hauptfenster::Werkzeug::Neu, "Bild4", "neu", "Bezeichnung28", "N e u", "Neues Spiel", nullptr,
     &Memo::Bild4_Click},
    {Hauptfenster::Werkzeug::Liste, "Bild5", "liste", "Bezeichnung29", "Liste", "Liste",
     "Strg+P druckt die Karten", &Memo::Bild5_Click},
    {Hauptfenster::Werkzeug::Info, "Bild6", "info", "Bezeichnung30", "Info", "Info", nullptr,
     nullptr},
}};

} // namespace

Hauptfenster::Hauptfenster(Memo& memo, Eingabewache& eingabe) : memo_(memo), eingabe_(eingabe) {
    festesFenster(this, QStringLiteral("memo"), Qt::WindowSystemMenuHint, QColor(192, 255, 255));
    setFixedSize(Streifenentwurf);
    setWindowIcon(bildSymbol(u"programm"));
    setWindowTitle(titelFuerFenster(memo_.fenstertitel()));
    bauen();
    groesse_ = new Vergroesserung(
        this, Streifenentwurf, [this](const Anordnung& a) { anordnen(a); },
        [this] { mittigNeuSetzen(); }, Kopfhoehe);
    extrasBelegen();
    // Among the labels, below the buttons.
    vorlesezeichen_ = new Vorlesezeichen(*extras_->aktion(Extra::Vorlesen), this);
    vorlesezeichen_->stackUnder(bilder_.front());
    groesse_->anordnen();
    connect(&memo_, &Memo::brettGeaendert, this, &Hauptfenster::brettFolgen);
    connect(&memo_, &Memo::gruppenGeaendert, this, &Hauptfenster::gruppenFolgen);
    new Extramenue(*this);
    connect(groesse_, &Vergroesserung::massstabGeaendert, this, [this](double faktor) {
        if (info_)
            info_->massstabSetzen(faktor);
    });
    connect(&memo_, &Memo::titelGeaendert, this, [this](const QString& titel) {
        setWindowTitle(titelFuerFenster(titel));
        kopf_->setText(titel);
    });
    connect(&memo_, &Memo::dateilisteGeaendert, this, &Hauptfenster::dateilisteZeigen);
}

Hauptfenster::~Hauptfenster() = default;

// Children are made from the bottom of the stacking order to the top: the strip, then labels
// and the line, then the picture buttons; the file list, made later, lies above them all.
void Hauptfenster::bauen() {
    figur1_ = new QWidget(this);
    figur1_->setObjectName(QStringLiteral("Figur1"));
    einfaerben(figur1_, Cyan, Cyan);

    linie1_ = new QWidget(this);
    linie1_->setObjectName(QStringLiteral("Linie1"));
    einfaerben(linie1_, QColor(0, 192, 192), QColor(0, 192, 192));

    kopf_ = neuesLabel(this, QStringLiteral("Titelzeile"), memo_.fenstertitel(), Qt::AlignHCenter);
    kopf_->setAlignment(Qt::AlignCenter);
    einfaerben(kopf_, QColor(192, 255, 255), palette().color(QPalette::WindowText));
    kopf_->hide();

    kartenBauen();
    werkzeugleisteBauen();
    tabfolgeSetzen();
}

// The order Qt itself follows when it picks the first focus or hides the focused widget;
// Tab itself goes through focusNextPrevChild. The keyboard starts on the board.
void Hauptfenster::tabfolgeSetzen() {
    QList<QWidget*> folge(bilder_.begin(), bilder_.end());
    if (datei1_)
        folge.append(datei1_);
    for (Karte* k : karten_)
        folge.append(k);
    for (qsizetype i = 1; i < folge.size(); ++i)
        setTabOrder(folge.at(i - 1), folge.at(i));
    karte(brettkarte_)->setFocus(Qt::OtherFocusReason);
}

bool Hauptfenster::focusNextPrevChild(bool vor) {
    if (auto* k = qobject_cast<Karte*>(focusWidget()))
        brettkarte_ = k->nummer();
    QList<QWidget*> halte(bilder_.begin(), bilder_.end());
    if (datei1_)
        halte.append(datei1_);
    halte.append(karte(brettkarte_));
    qsizetype jetzt = halte.indexOf(focusWidget());
    if (jetzt < 0) // from outside the window: to the first stop, or back to the last
        jetzt = vor ? -1 : 0;
    for (qsizetype schritt = 1; schritt <= halte.size(); ++schritt) {
        const qsizetype i = (jetzt + (vor ? schritt : -schritt) + halte.size()) % halte.size();
        QWidget* ziel = halte.at(i);
        if (ziel->isVisible() && ziel->isEnabled()) {
            ziel->setFocus(vor ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return false;
}

Dateiliste* Hauptfenster::dateiliste() {
    if (!datei1_) {
        datei1_ = new Dateiliste(this);
        connect(datei1_, &Dateiliste::gewaehlt, &memo_, &Memo::Datei1_Click);
        datei1_->setzeTitelquelle([this](const QString& name) { return memo_.listentitel(name); });
        // Between the tool column and the board, where it stands.
        setTabOrder(bilder_.back(), datei1_);
        setTabOrder(datei1_, karte(1));
        groesse_->anordnen();
    }
    return datei1_;
}

void Hauptfenster::kartenBauen() {
    // The pictures of a new deal are decoded while its cards lie covered; those of the deal
    // before go.
    kartenbilder_ = new Bildvorrat(this);
    connect(&memo_, &Memo::gemischt, this, [this] {
        kartenbilder_->nurBehalten(memo_.liste1());
        for (Karte* k : karten_)
            k->bildVorbereiten();
    });
    for (int n = 1; n <= Kartenzahl; ++n) {
        auto* karte = new Karte(memo_, n, eingabe_, *kartenbilder_, this);
        connect(karte, &Karte::geklickt, this, [this](int k) { memo_.Bezeichnung_Click(k); });
        connect(karte, &Karte::weiter, this, [this](int k) {
            brettkarte_ = k;
            this->karte(k)->setFocus(Qt::OtherFocusReason);
        });
        karten_.at(n - 1) = karte;
    }
}

void Hauptfenster::werkzeugleisteBauen() {
    for (int i = 0; i < int(Werkzeuge.size()); ++i) {
        const Werkzeugeintrag& w = Werkzeuge.at(i);
        QLabel* label = neuesLabel(this, QString::fromLatin1(w.beschriftungName),
                                   QString::fromUtf8(w.beschriftung), Qt::AlignLeft);
        einfaerben(label, Cyan, palette().color(QPalette::WindowText));
        beschriftungen_.at(i) = label;
    }
    for (int i = 0; i < int(Werkzeuge.size()); ++i) {
        const Werkzeugeintrag& w = Werkzeuge.at(i);
        auto* knopf = new Bildknopf(QString::fromLatin1(w.bild), QString::fromLatin1(w.bildname),
                                    Cyan, eingabe_, this);
        knopf->setAccessibleName(QString::fromUtf8(w.zugangsname));
        if (w.tipp)
            knopf->setToolTip(QString::fromUtf8(w.tipp));
        if (w.befehl)
            connect(knopf, &Bildknopf::geklickt, &memo_, w.befehl);
        else
            connect(knopf, &Bildknopf::geklickt, this,
                    [this, werkzeug = w.werkzeug] { werkzeugGeklickt(werkzeug); });
        bilder_.at(i) = knopf;
    }
}

void Hauptfenster::extrasBelegen() {
    extras_ = new Extras(*this);
    Vergroesserung* g = groesse_;
    extras_->belegen(
        Extra::Vollbild, [g] { g->vollbildSetzen(!g->vollbild()); }, [g] { return g->vollbild(); });
    extras_->belegen(
        Extra::VollbildVerlassen, [g] { g->vollbildSetzen(false); }, [g] { return g->vollbild(); });
    extras_->belegen(Extra::Groesser, [g] { g->stufeWechseln(1); });
    extras_->belegen(Extra::Kleiner, [g] { g->stufeWechseln(-1); });
    extras_->belegen(Extra::Normalgroesse, [g] { g->stufeWechseln(0); });
    connect(g, &Vergroesserung::vollbildGeschaltet, extras_, &Extras::abgleichen);
    extras_->belegen(
        Extra::GrosseKarten,
        [this] {
            memo_.brettformWaehlen(memo_.brettform() == Brettform::Quadrate ? Brettform::Streifen
                                                                            : Brettform::Quadrate);
        },
        [this] { return memo_.brettform() == Brettform::Quadrate; });
    extras_->belegen(
        Extra::Paare, [this](int paare) { memo_.paarzahlWaehlen(paare); },
        [this] { return memo_.paarzahl(); });
    extras_->belegen(Extra::Gruppenspiel, [this] { gruppenfenster().zeigen(groesse_->faktor()); });
}

Gruppenfenster& Hauptfenster::gruppenfenster() {
    if (!gruppenfenster_)
        gruppenfenster_ = new Gruppenfenster(memo_, *this);
    return *gruppenfenster_;
}

// The buttons whose work is the window's: quitting closes both windows, Info shows its own.
void Hauptfenster::werkzeugGeklickt(Werkzeug werkzeug) {
    if (werkzeug == Werkzeug::Info)
        infoZeigen();
    else if (werkzeug == Werkzeug::Ende && memo_.Bild1_Click())
        beenden();
}

void Hauptfenster::infoZeigen() {
    if (!info_) {
        info_ = std::make_unique<Infofenster>(eingabe_);
        info_->massstabSetzen(groesse_->faktor());
    }
    info_->zeigen();
}

void Hauptfenster::beenden() {
    if (info_)
        info_->hide();
    hide();
    emit programmEnde();
}

void Hauptfenster::closeEvent(QCloseEvent* ereignis) {
    ereignis->accept();
    beenden();
}

QString Hauptfenster::titelFuerFenster(const QString& titel) {
    // Qt reads "[*]" as the place of a modified mark; doubled, it stands for itself.
    QString text = titel;
    return text.replace(QLatin1String("[*]"), QLatin1String("[*][*]"));
}

void Hauptfenster::dateilisteZeigen() {
    if (datei1_ || memo_.dateilisteSichtbar())
        dateiliste()->zeigen(memo_.dateilisteSichtbar(), memo_.dateiliste(),
                             memo_.gespielteDatei());
}

} // namespace vun::ui
