// What the cards of the real program show, as a script on its X server cannot see it: grabs
// the main window and prints one line "NAME CHECKSUM" per card, over the middle of the card
// (caption and colour, not the border). Equal sums are equal looks: two open cards with the
// same word, or two covered cards.
//
//   kartenblick WINDOW-ID < places      places: the layout helper's lines "NAME X Y"
#include <QCryptographicHash>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QTextStream>
#include <cstdio>

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
    while (!eingabe.atEnd()) {
        const QStringList teile = eingabe.readLine().split(QLatin1Char(' '));
        if (teile.size() != 3 || !teile.at(0).startsWith(QLatin1String("karte")))
            continue;
        // Narrower than the smallest card, a square of 140 pixels, so that no neighbour's look
        // comes into it.
        const QImage mitte = bild.copy(teile.at(1).toInt() - 60, teile.at(2).toInt() - 10, 120, 20);
        const QByteArray summe =
            QCryptographicHash::hash(QByteArrayView(mitte.constBits(), mitte.sizeInBytes()),
                                     QCryptographicHash::Md5)
                .toHex();
        std::printf("%s %s\n", qPrintable(teile.at(0)), summe.constData());
    }
    return 0;
}
