// What the cards of the real program show, as a script on its X server cannot see it: grabs
// the main window and prints one line "NAME CHECKSUM" per card, over the middle of the card
// (caption, colour and a picture's frame, not the border). Equal sums are equal looks: two open
// cards with the same word, or two covered cards. A third column tells whether the card shows
// the found colour ("gefunden", else "-"): a found card says so whatever its picture looks like.
//
// With GROUPS (2 to 6) it also reads the strip of group play between the places streifenoben
// and streifenunten: it draws the strip of every turn and every count of pairs the board allows
// as the program draws it and prints the one that matches the screen pixel for pixel,
// "streifen DRAN P1,P2,...", or "streifen ?" where none does.
//
//   kartenblick WINDOW-ID [GROUPS] < places      places: the layout helper's lines "NAME X Y"
#include "look/gruppenbild.h"
#include "look/schrift.h"

#include <QCryptographicHash>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QTextStream>
#include <cstdio>
#include <cstdlib>
#include <functional>

namespace {

// Every way `gruppen` groups can hold at most `paare` pairs, each handed to `pruefen` until it
// says it matched.
bool jedeVerteilung(QList<int>& stand, int gruppen, int paare,
                    const std::function<bool(const QList<int>&)>& pruefen) {
    if (stand.size() == gruppen)
        return pruefen(stand);
    for (int p = 0; p <= paare; ++p) {
        stand.append(p);
        if (jedeVerteilung(stand, gruppen, paare - p, pruefen))
            return true;
        stand.removeLast();
    }
    return false;
}

QString streifenLesen(const QImage& streifen, int gruppen, int paare) {
    const QColor grund = streifen.pixelColor(0, 0);
    QImage bild(streifen.size(), QImage::Format_RGB32);
    QString gelesen = QStringLiteral("?");
    QList<int> stand;
    jedeVerteilung(stand, gruppen, paare, [&](const QList<int>& p) {
        QList<vun::Gruppe> liste;
        for (int g = 1; g <= gruppen; ++g)
            liste.append({g, vun::gruppenfarbname(g), p.at(g - 1)});
        for (int dran = 1; dran <= gruppen; ++dran) {
            QPainter maler(&bild);
            vun::gruppenstreifenMalen(maler, bild.rect(), liste, dran, vun::schrift(13.5, true),
                                      grund);
            maler.end();
            if (bild == streifen) {
                QStringList zahlen;
                for (const int n : p)
                    zahlen.append(QString::number(n));
                gelesen = QStringLiteral("%1 %2").arg(dran).arg(zahlen.join(u','));
                return true;
            }
        }
        return false;
    });
    return gelesen;
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);
    if (argc != 2 && argc != 3)
        return 2;
    const int gruppen = argc == 3 ? std::atoi(argv[2]) : 0;
    const QImage bild = QGuiApplication::primaryScreen()
                            ->grabWindow(WId(QByteArray(argv[1]).toULongLong()))
                            .toImage()
                            .convertToFormat(QImage::Format_RGB32);
    if (bild.isNull())
        return 1;
    QTextStream eingabe(stdin);
    QList<std::pair<QString, QPoint>> karten;
    QPoint streifenoben, streifenunten;
    while (!eingabe.atEnd()) {
        const QStringList teile = eingabe.readLine().split(QLatin1Char(' '));
        if (teile.size() != 3)
            continue;
        const QPoint ort(teile.at(1).toInt(), teile.at(2).toInt());
        if (teile.at(0).startsWith(QLatin1String("karte")))
            karten.append({teile.at(0), ort});
        else if (teile.at(0) == QLatin1String("streifenoben"))
            streifenoben = ort;
        else if (teile.at(0) == QLatin1String("streifenunten"))
            streifenunten = ort;
    }
    for (const auto& [name, mitte] : karten) {
        // Across the card from its border's inside to the other, so that the frame a found
        // picture card has around its picture comes into it; the nearest card beside it in the
        // row tells how wide a card is, its gap taken off.
        int abstand = 0;
        for (const auto& [anderer, ort] : karten)
            if (ort.y() == mitte.y() && ort.x() != mitte.x() &&
                (!abstand || std::abs(ort.x() - mitte.x()) < abstand))
                abstand = std::abs(ort.x() - mitte.x());
        const int breite = abstand > 40 ? abstand - 10 : 120;
        const QImage streifen = bild.copy(mitte.x() - breite / 2, mitte.y() - 10, breite, 20);
        const QByteArray summe =
            QCryptographicHash::hash(QByteArrayView(streifen.constBits(), streifen.sizeInBytes()),
                                     QCryptographicHash::Md5)
                .toHex();
        // The palette's cyan of found cards, as the game paints it.
        bool gefunden = false;
        for (int y = 0; y < streifen.height() && !gefunden; ++y)
            for (int x = 0; x < streifen.width() && !gefunden; ++x)
                gefunden = streifen.pixel(x, y) == qRgb(0, 128, 128);
        std::printf("%s %s %s\n", qPrintable(name), summe.constData(), gefunden ? "gefunden" : "-");
    }
    if (gruppen > 0) {
        const QRect rahmen(streifenoben, streifenunten - QPoint(1, 1));
        if (rahmen.isEmpty() || !bild.rect().contains(rahmen))
            return 1;
        std::printf("streifen %s\n",
                    qPrintable(streifenLesen(bild.copy(rahmen), gruppen, int(karten.size()) / 2)));
    }
    return 0;
}
