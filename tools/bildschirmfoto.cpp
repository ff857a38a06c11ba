// Takes the pictures of the windows shown in the README, on a real display: a game played by
// keys to two found pairs (one for "paare") and an open miss, the focus on the card turned last;
// the same full screen, alone or with the information window over it, as the class sees it on
// the board; three groups playing full screen (gruppen) or the window that sets them up
// (gruppenfenster); or the box about a faulty pair list chosen in the file list, its details open.
// Usage: vun_bildschirmfoto hauptfenster|paare|infofenster|vollbild|vollbild-info|gruppen|
//        gruppenfenster|fehlerdetails FILE.png [WORD...]
#include "tests/support/dialoghilfe.h"
#include "tests/support/tastenhilfe.h"
#include "ui/extras.h"
#include "ui/gruppenfenster.h"
#include "ui/vergroesserung.h"

#include <QPushButton>
#include <QScreen>

using namespace vun;
using namespace vun::test;

namespace {

// The first pairs of the list that lie on the board found, then a miss.
void spielen(TastenSpiel& s, const QStringList& woerter, int gefunden) {
    QList<int> offen;
    for (const QString& wort : woerter) {
        if (offen.size() == 2 * gefunden)
            break;
        const QList<int> karten = s.paarVon(wort);
        for (int k : karten)
            s.dreheMitTasten(k);
        offen << karten;
    }
    const int x = s.andereKarte(1, offen);
    const int y = s.andereKarte(x, offen + QList<int>{s.partner(x)});
    s.dreheMitTasten(x);
    s.dreheMitTasten(y);
}

// The window, or with none the whole screen, from the display itself, as the player sees it.
bool speichern(QWidget* fenster, const QString& datei) {
    for (int i = 0; i < 20; ++i) {
        QCoreApplication::processEvents();
        QTest::qWait(25);
    }
    const WId id = fenster ? fenster->winId() : 0;
    return QGuiApplication::primaryScreen()->grabWindow(id).save(datei);
}

// The teacher's view of a slip in her list: the box with what Qt shows on request.
bool fehlerdetails(const QString& datei) {
    EchtesSpiel s;
    const QString liste = QStringLiteral("TIERE.TXT");
    if (!dateiSchreiben(s.ordner.filePath(liste), alsUtf8(paarlisteMitFehler())))
        return false;
    bool gespeichert = false;
    beimDialog([&](QWidget* box) {
        if (QAbstractButton* einblenden = knopf(box, QStringLiteral("Details einblenden...")))
            einblenden->click();
        gespeichert = speichern(box, datei);
        box->close();
    });
    return s.waehlen(liste) && gespeichert;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() < 3) {
        qWarning("Usage: vun_bildschirmfoto hauptfenster|paare|infofenster|vollbild|"
                 "vollbild-info|gruppen|gruppenfenster|fehlerdetails FILE.png [WORD...]");
        return 2;
    }
    if (args.at(1) == QLatin1String("fehlerdetails"))
        return fehlerdetails(args.at(2)) ? 0 : 1;
    const QStringList woerter = args.size() > 3 ? args.mid(3) : Spiel::standardWoerter();
    const bool gruppen = args.at(1).startsWith(QLatin1String("gruppen"));
    const bool vollbild =
        args.at(1).startsWith(QLatin1String("vollbild")) || args.at(1) == QLatin1String("gruppen");
    TastenSpiel s(woerter);
    s.fenster.mittigSetzen();
    if (gruppen)
        s.memo.gruppenspielStarten({gruppenfarbname(1), gruppenfarbname(2), gruppenfarbname(3)},
                                   false);
    if (vollbild)
        s.fenster.groesse().vollbildSetzen(true);
    spielen(s, woerter, args.at(1) == QLatin1String("paare") ? 1 : 2);
    if (args.at(1) == QLatin1String("infofenster") ||
        args.at(1) == QLatin1String("vollbild-info")) {
        s.klickBild(6);
        QWidget* info = s.fenster.infofenster();
        if (!QTest::qWaitForWindowExposed(info))
            return 1;
        // Full screen, the window as it stands over the game.
        return speichern(vollbild ? nullptr : info, args.at(2)) ? 0 : 1;
    }
    if (args.at(1) == QLatin1String("gruppenfenster")) {
        s.fenster.extras().aktion(ui::Extra::Gruppenspiel)->trigger();
        ui::Gruppenfenster& fenster = s.fenster.gruppenfenster();
        if (!QTest::qWaitForWindowExposed(&fenster))
            return 1;
        fenster.zahlknopf(4)->click();
        return speichern(&fenster, args.at(2)) ? 0 : 1;
    }
    return speichern(&s.fenster, args.at(2)) ? 0 : 1;
}
