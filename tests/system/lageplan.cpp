// Where a player finds things in the windows, so that a script driving the real program on an
// X server clicks where the program lays them out, not where it once did. Lays out the real
// windows offscreen and prints one line "NAME X Y" per place, the centre in pixels of the window
// it lies in: karte1 to the board's last card, bild1 to bild6, the file list's first two entries
// datei1 and datei2, "O k a y" of the information window, okay, and the OK button of the message a
// won game shows, gewinnok, measured from the centre of its box, which Qt puts over the main
// window's.
//
//   lageplan [--vollbild WIDTHxHEIGHT] [--quadrate] [--paare N] [--gruppen N]
//
// With --vollbild the main window is laid out full screen on a screen of that size, and only the
// cards and pictures are printed: what a script clicks in the full-screen game. --quadrate lays
// the board out in big cards, as a picture list is; --paare deals that many pairs; --gruppen lets
// that many groups play and adds the corners of the strip below the board, streifenoben (top
// left) and streifenunten (bottom right, outside), for the card viewer to read it.
#include "tests/support/dialoghilfe.h"
#include "ui/gruppenstreifen.h"
#include "ui/vergroesserung.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryFile>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

using namespace vun;
using namespace vun::test;

namespace {

void melden(const QString& name, QPoint mitte) {
    std::printf("%s %d %d\n", qPrintable(name), mitte.x(), mitte.y());
}

// The offscreen platform's one screen at that size, described in a file it reads at start.
std::unique_ptr<QTemporaryFile> bildschirmBeschreiben(QSize groesse) {
    auto datei = std::make_unique<QTemporaryFile>();
    if (!datei->open())
        return nullptr;
    datei->write(QStringLiteral(R"({"screens":[{"name":"s","x":0,"y":0,"width":%1,"height":%2,)"
                                R"("logicalDpi":96,"logicalBaseDpi":96,"dpr":1}]})")
                     .arg(groesse.width())
                     .arg(groesse.height())
                     .toUtf8());
    datei->flush();
    return datei;
}

} // namespace

int main(int argc, char* argv[]) {
    QSize vollbild;
    bool quadrate = false;
    int paare = Paarzahl;
    int gruppen = 0;
    for (int i = 1; i < argc; ++i) {
        const bool wert = i + 1 < argc;
        if (std::strcmp(argv[i], "--quadrate") == 0) {
            quadrate = true;
        } else if (std::strcmp(argv[i], "--paare") == 0 && wert) {
            paare = std::atoi(argv[++i]);
            if (!paarzahlErlaubt(paare))
                return 2;
        } else if (std::strcmp(argv[i], "--gruppen") == 0 && wert) {
            gruppen = std::atoi(argv[++i]);
            if (gruppen < MinGruppen || gruppen > MaxGruppen)
                return 2;
        } else if (std::strcmp(argv[i], "--vollbild") == 0 && wert) {
            const QStringList masse = QString::fromLocal8Bit(argv[++i]).split(QLatin1Char('x'));
            if (masse.size() == 2)
                vollbild = QSize(masse.at(0).toInt(), masse.at(1).toInt());
            if (vollbild.isEmpty())
                return 2;
        } else {
            return 2;
        }
    }
    // Never on the display the script drives: it must see nothing but the program.
    std::unique_ptr<QTemporaryFile> bildschirm;
    if (vollbild.isValid()) {
        bildschirm = bildschirmBeschreiben(vollbild);
        if (!bildschirm)
            return 1;
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + bildschirm->fileName().toLocal8Bit());
    } else {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    // The real boxes: the won game's is measured.
    FensterSpiel s(Spiel::standardWoerter(), Boxen::Qt);
    s.memo.paarzahlWaehlen(paare);
    if (quadrate)
        s.memo.brettformWaehlen(Brettform::Quadrate);
    if (gruppen > 0) {
        QStringList namen;
        for (int g = 1; g <= gruppen; ++g)
            namen.append(gruppenfarbname(g));
        s.memo.gruppenspielStarten(namen, false);
    }
    if (vollbild.isValid()) {
        s.fenster.groesse().vollbildSetzen(true);
        // The window system gives the window the screen in its own time. A platform that
        // ignored the screen's size would give places on some other screen.
        if (!QTest::qWaitFor([&] { return s.fenster.geometry() == QRect(QPoint(), vollbild); },
                             5000)) {
            std::fprintf(stderr, "full screen is %dx%d%+d%+d, not %dx%d\n", s.fenster.width(),
                         s.fenster.height(), s.fenster.x(), s.fenster.y(), vollbild.width(),
                         vollbild.height());
            return 1;
        }
    }
    for (int k = 1; k <= s.memo.kartenzahl(); ++k)
        melden(QStringLiteral("karte%1").arg(k), s.karte(k)->geometry().center());
    for (int b = 1; b <= 6; ++b)
        melden(QStringLiteral("bild%1").arg(b), s.bild(b)->geometry().center());
    if (const QWidget* streifen = s.fenster.gruppenstreifen()) {
        melden(QStringLiteral("streifenoben"), streifen->geometry().topLeft());
        melden(QStringLiteral("streifenunten"), streifen->geometry().bottomRight() + QPoint(1, 1));
    }
    if (vollbild.isValid())
        return 0;

    s.datei(QStringLiteral("A.TXT"), Spiel::standardWoerter());
    s.datei(QStringLiteral("B.TXT"), Spiel::standardWoerter());
    s.klickBild(5);
    const ui::Dateiliste* liste = s.fenster.dateiliste();
    if (liste->count() < 2)
        return 1;
    for (int zeile = 0; zeile < 2; ++zeile) {
        const QRect eintrag = liste->visualItemRect(liste->item(zeile));
        melden(QStringLiteral("datei%1").arg(zeile + 1),
               liste->viewport()->mapTo(&s.fenster, eintrag.center()));
    }

    s.klickBild(6);
    const QWidget* okay =
        s.fenster.infofenster()->findChild<QWidget*>(QStringLiteral("Bezeichnung1"));
    if (!okay)
        return 1;
    melden(QStringLiteral("okay"), okay->geometry().center());

    bool gemessen = false;
    beimDialog([&](QWidget* box) {
        if (QAbstractButton* ok = static_cast<QMessageBox*>(box)->button(QMessageBox::Ok)) {
            melden(QStringLiteral("gewinnok"),
                   ok->mapTo(box, ok->rect().center()) - box->rect().center());
            gemessen = true;
        }
    });
    s.uebrigePaareFinden({}, [](int, int) {});
    return gemessen ? 0 : 1;
}
