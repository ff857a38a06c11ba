#pragma once

#include <QList>
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

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

} // namespace vun::test
