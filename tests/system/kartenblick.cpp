// What the cards of the real program show, as a script on its X server cannot see it: grabs
// the main window and prints one line "NAME CHECKSUM" per card, over the middle of the card
// (caption, colour and a picture's frame, not the border). Equal sums are equal looks: two open
// cards with the same word, or two covered cards. A third column tells whether the card shows
// the found colour ("gefunden", else "-"): a found card says so whatever its picture looks like.
//
//   kartenblick WINDOW-ID < places      places: the layout helper's lines "NAME X Y"
#include <QCryptographicHash>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QTextStream>
#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);
    if (argc != 2)
        return 2;
    const QImage bild = QGuiApplication::primaryScreen()
                            ->grabWindow(WId(QByteArray(argv[1]).toULongLong()))
                            .toImage()
                            .convertToFormat(QImage::Format_RGB32);
    if (bild.isNull())
        return 1;
    QTextStream eingabe(stdin);
    QList<std::pair<QString, QPoint>> karten;
    while (!eingabe.atEnd()) {
        const QStringList teile = eingabe.readLine().split(QLatin1Char(' '));
        if (teile.size() == 3 && teile.at(0).startsWith(QLatin1String("karte")))
            karten.append({teile.at(0), QPoint(teile.at(1).toInt(), teile.at(2).toInt())});
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
    return 0;
}
