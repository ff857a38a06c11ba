#pragma once

// A word-picture list whose pictures are all red and 4:3, as PNG, JPEG and SVG, some in a
// folder below the list: where red shows, a picture was drawn.
#include "tests/support/dateien.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QStringList>

namespace vun::test {

inline constexpr int Paare = 9;

// Picture n of the test list: all red, 4:3, as PNG, JPEG and SVG, some in a folder below.
inline QString bilddatei(int n) {
    const char* endung = n == 7 ? "jpg" : n == 8 ? "svg" : "png";
    return QStringLiteral("%1roter_hund-%2.%3")
        .arg(n > 4 ? QStringLiteral("bilder/") : QString())
        .arg(n)
        .arg(QLatin1String(endung));
}

inline bool bilderSchreiben(const QString& ordner, QSize groesse) {
    QDir(ordner).mkpath(QStringLiteral("bilder"));
    QImage rot(groesse, QImage::Format_RGB32);
    rot.fill(QColor(255, 0, 0));
    for (int n = 1; n <= Paare; ++n) {
        const QString pfad = QDir(ordner).filePath(bilddatei(n));
        if (pfad.endsWith(QLatin1String(".svg"))) {
            QFile svg(pfad);
            if (!svg.open(QIODevice::WriteOnly) ||
                svg.write(
                    R"(<svg xmlns="http://www.w3.org/2000/svg" width="40" height="30" )"
                    R"(viewBox="0 0 40 30"><rect width="40" height="30" fill="#f00"/></svg>)") < 0)
                return false;
        } else if (!rot.save(pfad, nullptr, 95)) {
            return false;
        }
    }
    return true;
}

// "Wort1 = roter_hund-1.png" and so on: a word and a picture each.
inline QStringList bilderliste() {
    QStringList zeilen;
    for (int n = 1; n <= Paare; ++n)
        zeilen << QStringLiteral("Wort%1 = %2").arg(n).arg(bilddatei(n));
    return zeilen;
}

inline bool istRot(QColor c) {
    return c.red() > 200 && c.green() < 80 && c.blue() < 80;
}

// Where red shows in a picture: what a card draws of a red picture.
inline QRect roteFlaeche(const QImage& bild) {
    QRect rot;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            if (istRot(bild.pixelColor(x, y)))
                rot |= QRect(x, y, 1, 1);
    return rot;
}

} // namespace vun::test
