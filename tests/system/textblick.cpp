// What a box of the real program says, read as a person copies it on X: `anfang WINDOW` prints
// "X Y", a point on the first letter of the window's text (the topmost line of ink, its leftmost
// ink), where a drag that selects the whole text begins; `auswahl` prints the selection that the
// drag made, X's primary selection, as the program hands it out; `ablage` the clipboard, where
// Strg+C puts it.
//
//   textblick anfang WINDOW-ID
//   textblick auswahl | ablage
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <cstdio>
#include <cstdlib>

namespace {

bool tinte(const QImage& bild, int x, int y, QRgb grund) {
    return std::abs(qGray(bild.pixel(x, y)) - qGray(grund)) > 80;
}

bool zeileMitTinte(const QImage& bild, int y, QRgb grund) {
    for (int x = 0; x < bild.width(); ++x)
        if (tinte(bild, x, y, grund))
            return true;
    return false;
}

int anfang(const char* fenster) {
    const QImage bild = QGuiApplication::primaryScreen()
                            ->grabWindow(WId(QByteArray(fenster).toULongLong()))
                            .toImage()
                            .convertToFormat(QImage::Format_RGB32);
    if (bild.width() < 4 || bild.height() < 4)
        return 1;
    const QRgb grund = bild.pixel(1, 1);
    int oben = 0;
    while (oben < bild.height() && !zeileMitTinte(bild, oben, grund))
        ++oben;
    int unten = oben;
    while (unten < bild.height() && zeileMitTinte(bild, unten, grund))
        ++unten;
    if (oben == bild.height())
        return 1;
    int links = bild.width();
    for (int y = oben; y < unten; ++y)
        for (int x = 0; x < links; ++x)
            if (tinte(bild, x, y, grund))
                links = x;
    std::printf("%d %d\n", links + 1, (oben + unten) / 2);
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);
    if (argc == 3 && QByteArray(argv[1]) == "anfang")
        return anfang(argv[2]);
    if (argc == 2 && (QByteArray(argv[1]) == "auswahl" || QByteArray(argv[1]) == "ablage")) {
        const auto art =
            QByteArray(argv[1]) == "auswahl" ? QClipboard::Selection : QClipboard::Clipboard;
        std::printf("%s\n", qPrintable(QGuiApplication::clipboard()->text(art)));
        return 0;
    }
    return 2;
}
