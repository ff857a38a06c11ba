#include "ui/bilder.h"

#include "ui/bilddaten.h"

#include <QPixmap>

namespace vun::ui {

namespace {

QImage alsBild(const Bildpunkte& b) {
    const QImage::Format format = QImage::Format_ARGB32_Premultiplied;
    if (b.gepackt == 0)
        return QImage(b.daten, b.seite, b.seite, b.seite * 4, format);
    const QByteArray punkte = qUncompress(b.daten, b.gepackt);
    if (punkte.size() != qsizetype(b.seite) * b.seite * 4)
        return QImage();
    return QImage(reinterpret_cast<const uchar*>(punkte.constData()), b.seite, b.seite, b.seite * 4,
                  format)
        .copy();
}

} // namespace

QImage gespeichertesBild(QStringView name, int seite) {
    const Bildpunkte* gewaehlt = nullptr;
    for (std::size_t i = 0; i < GespeicherteBilderAnzahl; ++i) {
        const Bildpunkte& b = GespeicherteBilder[i];
        if (name != QLatin1String(b.name))
            continue;
        // The table runs from small to large: the first that is large enough is the one.
        gewaehlt = &b;
        if (b.seite >= seite)
            break;
    }
    return gewaehlt ? alsBild(*gewaehlt) : QImage();
}

QIcon bildSymbol(QStringView name) {
    QIcon symbol;
    for (std::size_t i = 0; i < GespeicherteBilderAnzahl; ++i)
        if (name == QLatin1String(GespeicherteBilder[i].name))
            symbol.addPixmap(QPixmap::fromImage(alsBild(GespeicherteBilder[i])));
    return symbol;
}

} // namespace vun::ui
