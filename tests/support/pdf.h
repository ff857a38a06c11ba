#pragma once

#include <QImage>
#include <QList>
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace vun::test {

// A word as poppler reads it off a PDF page: its text and where it stands, in millimetres from
// the page's top left.
struct PdfWort {
    QString text;
    QRectF rahmen;
    int seite = 0;
};

inline QString ausgabeVon(const QString& programm, const QStringList& argumente) {
    QProcess p;
    p.start(programm, argumente);
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Every word of the PDF, page by page (pdftotext from poppler-utils).
inline QList<PdfWort> pdfWoerter(const QString& pfad) {
    const QString html = ausgabeVon(QStringLiteral("pdftotext"),
                                    {QStringLiteral("-bbox"), pfad, QStringLiteral("-")});
    static const QRegularExpression muster(QStringLiteral(
        R"x(<page |<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)x"));
    constexpr double MmProPunkt = 25.4 / 72;
    QList<PdfWort> woerter;
    int seite = -1;
    for (auto it = muster.globalMatch(html); it.hasNext();) {
        const auto treffer = it.next();
        if (treffer.captured(5).isNull() && treffer.captured(0) == QLatin1String("<page ")) {
            ++seite;
            continue;
        }
        const QPointF oben(treffer.captured(1).toDouble(), treffer.captured(2).toDouble());
        const QPointF unten(treffer.captured(3).toDouble(), treffer.captured(4).toDouble());
        woerter.append({treffer.captured(5), QRectF(oben * MmProPunkt, unten * MmProPunkt), seite});
    }
    return woerter;
}

inline int pdfSeiten(const QString& pfad) {
    static const QRegularExpression seiten(QStringLiteral(R"(Pages:\s+(\d+))"));
    const auto treffer = seiten.match(ausgabeVon(QStringLiteral("pdfinfo"), {pfad}));
    return treffer.hasMatch() ? treffer.captured(1).toInt() : -1;
}

// A picture of the PDF as "pdfimages -list" (poppler-utils) lists each use of it on a page: its
// page (from 1), its size in pixels and the resolution it is printed at.
struct PdfBild {
    int seite = 0;
    QSize pixel;
    double ppiX = 0, ppiY = 0;
};

inline QList<PdfBild> pdfBilder(const QString& pdf) {
    QList<PdfBild> bilder;
    const QStringList zeilen =
        ausgabeVon(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf})
            .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    // Two lines of heading; then page num type width height color comp bpc enc interp object
    // ID x-ppi y-ppi size ratio.
    for (qsizetype i = 2; i < zeilen.size(); ++i) {
        const QStringList f = zeilen.at(i).simplified().split(QLatin1Char(' '));
        // A picture's transparency comes as a mask of its own ("smask"), not counted.
        if (f.size() >= 14 && f.at(2) == QLatin1String("image"))
            bilder.append({f.at(0).toInt(), QSize(f.at(3).toInt(), f.at(4).toInt()),
                           f.at(12).toDouble(), f.at(13).toDouble()});
    }
    return bilder;
}

// Page seite (from 1) of the PDF as poppler draws it, in grey at so many dots per inch; null
// where it could not be drawn.
inline QImage pdfSeitenbild(const QString& pdf, int seite, int dpi = 100) {
    QTemporaryDir ordner;
    const QString basis = ordner.filePath(QStringLiteral("seite"));
    const QString s = QString::number(seite);
    ausgabeVon(QStringLiteral("pdftoppm"),
               {QStringLiteral("-gray"), QStringLiteral("-png"), QStringLiteral("-singlefile"),
                QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-f"), s,
                QStringLiteral("-l"), s, pdf, basis});
    return QImage(basis + QStringLiteral(".png")).convertToFormat(QImage::Format_Grayscale8);
}

// How many pixels of the picture, inside the rectangle in millimetres, are darker than grau.
inline int dunklePunkte(const QImage& bild, const QRectF& mm, int dpi = 100, int grau = 120) {
    const double punkteProMm = dpi / 25.4;
    const QRect feld =
        QRect(QPoint(qRound(mm.left() * punkteProMm), qRound(mm.top() * punkteProMm)),
              QPoint(qRound(mm.right() * punkteProMm), qRound(mm.bottom() * punkteProMm)))
            .intersected(bild.rect());
    int dunkel = 0;
    for (int y = feld.top(); y <= feld.bottom(); ++y)
        for (int x = feld.left(); x <= feld.right(); ++x)
            dunkel += qGray(bild.pixel(x, y)) < grau;
    return dunkel;
}

} // namespace vun::test
