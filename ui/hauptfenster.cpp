#include "ui/hauptfenster.h"

#include "ui/aussehen.h"
#include "ui/bilder.h"
#include "ui/bildknopf.h"
#include "ui/dateiliste.h"
#include "ui/einzelklick.h"
#include "ui/fensterrahmen.h"
#include "ui/infofenster.h"
#include "ui/karte.h"
#include "ui/massstab.h"
#include "ui/vergroesserung.h"

#include <QCloseEvent>
#include <QLabel>
#include <QScreen>
#include <QShortcut>
#include <QTimer>

namespace vun::ui {

namespace {

const QColor Cyan(0, 255, 255);

struct Werkzeug {
    const char* bild;
    const char* bildname;
    const char* beschriftungName;
    const char* beschriftung;
    const char* zugangsname;
};

// The tool column from top to bottom; button i stands at 120 + 960 * i twips.
constexpr std::array<Werkzeug, 6> Werkzeuge{{
    {"Bild1", "ende", "Bezeichnung19", "Ende", "Ende"},
    {"Bild2", "name", "Bezeichnung26", "Name", "Name"},
    {"Bild3", "hilfe", "Bezeichnung27", "Hilfe", "Hilfe"},
    {"Bild4", "neu", "Bezeichnung28", "N e u", "Neues Spiel"},
    {"Bild5", "liste", "Bezeichnung29", "Liste", "Liste"},
    {"Bild6", "info", "Bezeichnung30", "Info", "Info"},
}};

} // namespace

Hauptfenster::Hauptfenster(Memo& memo) : memo_(memo) {
    setObjectName(QStringLiteral("memo"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    const QSize entwurf = twips(0, 0, 7605, 5790).size();
    setFixedSize(entwurf);
    einfaerben(this, QColor(192, 255, 255), palette().color(QPalette::WindowText));
    setFont(schrift(8.25, true));
    setWindowIcon(bildSymbol(u"programm"));
    setWindowTitle(titelFuerFenster(memo_.fenstertitel()));
    bauen();
    groesse_ = new Vergroesserung(this, entwurf, [this] { mittigSetzen(); });
    connect(groesse_, &Vergroesserung::massstabGeaendert, this, [this](double faktor) {
        if (info_)
            info_->massstabSetzen(faktor);
    });
    connect(&memo_, &Memo::titelGeaendert, this,
            [this](const QString& titel) { setWindowTitle(titelFuerFenster(titel)); });
    connect(&memo_, &Memo::dateilisteGeaendert, this, &Hauptfenster::dateilisteZeigen);
    // A double-click whose first click opens a box is one click too.
    new Doppelklicksperre(this);
}

Hauptfenster::~Hauptfenster() = default;

// Children are made from the bottom of the stacking order to the top: the strip, then labels
// and the line, then the picture buttons; the file list, made later, lies above them all.
void Hauptfenster::bauen() {
    auto* figur1 = new QWidget(this);
    figur1->setObjectName(QStringLiteral("Figur1"));
    figur1->setGeometry(twips(0, 0, 735, 5895));
    einfaerben(figur1, Cyan, Cyan);

    // A 2 pixel line drawn at x = 48 covers the pixel columns 47 and 48.
    auto* linie1 = new QWidget(this);
    linie1->setObjectName(QStringLiteral("Linie1"));
    linie1->setGeometry(720 / TwipsProPixel - 1, 0, 2, 5760 / TwipsProPixel);
    einfaerben(linie1, QColor(0, 192, 192), QColor(0, 192, 192));

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
        // Between the tool column and the board, where it stands.
        setTabOrder(bilder_.back(), datei1_);
        setTabOrder(datei1_, karte(1));
        groesse_->anordnen();
    }
    return datei1_;
}

void Hauptfenster::kartenBauen() {
    for (int n = 1; n <= Kartenzahl; ++n) {
        const int spalte = (n - 1) / 9, zeile = (n - 1) % 9;
        auto* karte = new Karte(memo_, n, this);
        karte->setGeometry(twips(960 + 3240 * spalte, 240 + 600 * zeile, 3135, 495));
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
        const Werkzeug& w = Werkzeuge.at(i);
        QLabel* label = neuesLabel(this, QString::fromLatin1(w.beschriftungName),
                                   twips(120, 600 + 960 * i, 495, 255),
                                   QString::fromUtf8(w.beschriftung), Qt::AlignLeft);
        einfaerben(label, Cyan, palette().color(QPalette::WindowText));
    }
    for (int i = 0; i < int(Werkzeuge.size()); ++i) {
        const Werkzeug& w = Werkzeuge.at(i);
        auto* knopf = new Bildknopf(QString::fromLatin1(w.bild), QString::fromLatin1(w.bildname),
                                    twips(120, 120 + 960 * i, 495, 495), Cyan, this);
        knopf->setAccessibleName(QString::fromUtf8(w.zugangsname));
        bilder_.at(i) = knopf;
    }
    connect(bilder_[0], &Bildknopf::geklickt, this, [this] {
        if (memo_.Bild1_Click())
            beenden();
    });
    connect(bilder_[1], &Bildknopf::geklickt, &memo_, &Memo::Bild2_Click);
    connect(bilder_[2], &Bildknopf::geklickt, &memo_, &Memo::Bild3_Click);
    connect(bilder_[3], &Bildknopf::geklickt, &memo_, &Memo::Bild4_Click);
    connect(bilder_[4], &Bildknopf::geklickt, &memo_, &Memo::Bild5_Click);
    // Printing has no button of its own; the list button tells the teacher where it is.
    bilder_[4]->setToolTip(QStringLiteral("Strg+P druckt die Karten"));
    auto* drucken = new QShortcut(QKeySequence::Print, this);
    connect(drucken, &QShortcut::activated, this, &Hauptfenster::druckenVerlangt);
    connect(bilder_[5], &Bildknopf::geklickt, this, &Hauptfenster::infoZeigen);
}

void Hauptfenster::infoZeigen() {
    if (!info_) {
        info_ = std::make_unique<Infofenster>();
        info_->massstabSetzen(massstab(this));
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

void Hauptfenster::starten(bool vollbild) {
    mittigSetzen();
    if (vollbild)
        groesse_->vollbildVorbereiten();
    memo_.Form_Load();
    if (vollbild) {
        showFullScreen();
        return;
    }
    show();
    rahmenPruefen(40);
}

void Hauptfenster::mittigSetzen() {
    const QMargins rahmen = fensterrahmen(this);
    const QRect bildschirm = screen()->geometry();
    const QSize aussen = size().grownBy(rahmen);
    const QPoint ecke = bildschirm.topLeft() + QPoint((bildschirm.width() - aussen.width()) / 2,
                                                      (bildschirm.height() - aussen.height()) / 2);
    // Placed by its inner rectangle, which the window manager leaves where it is asked to put it.
    setGeometry(QRect(ecke + QPoint(rahmen.left(), rahmen.top()), size()));
    gesetzterRahmen_ = rahmen;
}

// Where the window manager tells the frame only once the window is shown, the window moves
// once, as soon as the frame is known; asked again a little later up to a second long.
void Hauptfenster::rahmenPruefen(int versuche) {
    if (groesse_->vollbild())
        return;
    const QMargins rahmen = fensterrahmen(this);
    if (rahmen.isNull() && versuche > 1) {
        QTimer::singleShot(25, this, [this, versuche] { rahmenPruefen(versuche - 1); });
        return;
    }
    if (!rahmen.isNull() && rahmen != gesetzterRahmen_)
        mittigSetzen();
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
