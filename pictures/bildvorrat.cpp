#include "pictures/bildvorrat.h"

#include <QImageReader>
#include <QSet>
#include <QThread>
#include <algorithm>

namespace vun {

QImage eingepasstLesen(const QString& pfad, QSize feld) {
    if (feld.isEmpty())
        return {};
    QImageReader leser(pfad);
    leser.setAutoTransform(true);
    const QSize gross = leser.size();
    QImage bild;
    if (!gross.isValid()) {
        // A format that tells no size before decoding: decoded whole, then scaled.
        bild = leser.read();
        if (!bild.isNull())
            bild = bild.scaled(feld, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    } else {
        // The decoder scales before the picture is turned upright.
        const bool gedreht = leser.transformation() & QImageIOHandler::TransformationRotate90;
        const QSize ziel = gross.scaled(gedreht ? feld.transposed() : feld, Qt::KeepAspectRatio)
                               .expandedTo({1, 1});
        leser.setScaledSize(ziel);
        bild = leser.read();
    }
    if (bild.isNull())
        return {};
    // The formats the painter draws fastest.
    bild.convertTo(bild.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                          : QImage::Format_RGB32);
    return bild;
}

QRectF eingepasst(QSizeF bild, const QRectF& feld) {
    if (bild.isEmpty())
        return {};
    const QSizeF groesse = bild.scaled(feld.size(), Qt::KeepAspectRatio);
    return {feld.x() + (feld.width() - groesse.width()) / 2,
            feld.y() + (feld.height() - groesse.height()) / 2, groesse.width(), groesse.height()};
}

Bildvorrat::Bildvorrat(QObject* eltern) : QObject(eltern) {
    // Below the window's own priority, so that clicks and repaints go first.
    arbeiter_.setMaxThreadCount(std::clamp(QThread::idealThreadCount(), 1, 2));
    arbeiter_.setThreadPriority(QThread::LowPriority);
}

Bildvorrat::~Bildvorrat() {
    for (const Eintrag& e : std::as_const(eintraege_))
        absagen(e);
    arbeiter_.clear();
    arbeiter_.waitForDone();
}

void Bildvorrat::absagen(const Eintrag& eintrag) {
    if (eintrag.absage)
        eintrag.absage->store(true);
}

QImage Bildvorrat::bild(const QString& pfad, QSize feld, bool genau) {
    const auto it = eintraege_.find(pfad);
    if (it != eintraege_.end() && it->feld == feld &&
        (it->fertig || (!genau && !it->bild.isNull())))
        return it->bild;
    if (it != eintraege_.end())
        absagen(*it);
    Eintrag eintrag{feld, eingepasstLesen(pfad, feld), true, {}};
    eintraege_.insert(pfad, eintrag);
    return eintrag.bild;
}

void Bildvorrat::vorbereiten(const QString& pfad, QSize feld) {
    if (feld.isEmpty())
        return;
    const auto it = eintraege_.find(pfad);
    if (it != eintraege_.end() && it->feld == feld)
        return;
    // Only a picture decoded whole stands in while the new size is on its way.
    QImage vorher;
    if (it != eintraege_.end()) {
        absagen(*it);
        if (it->fertig)
            vorher = it->bild;
    }
    const Absage absage = std::make_shared<std::atomic_bool>(false);
    eintraege_.insert(pfad, Eintrag{feld, vorher, false, absage});
    arbeiter_.start([this, pfad, feld, absage] {
        if (absage->load())
            return;
        const QImage bild = eingepasstLesen(pfad, feld);
        QMetaObject::invokeMethod(
            this, [this, pfad, feld, bild] { ablegen(pfad, feld, bild); }, Qt::QueuedConnection);
    });
}

void Bildvorrat::ablegen(const QString& pfad, QSize feld, const QImage& bild) {
    const auto it = eintraege_.find(pfad);
    // Asked for at another size meanwhile, forgotten, or decoded already for a card turned
    // sooner: this one is not needed.
    if (it == eintraege_.end() || it->feld != feld || it->fertig)
        return;
    it->bild = bild;
    it->fertig = true;
    it->absage.reset();
    emit bereit(pfad, feld);
}

void Bildvorrat::nurBehalten(const QList<Spielkarte>& liste1) {
    QSet<QString> behalten;
    for (const Spielkarte& karte : liste1)
        behalten.insert(karte.inhalt.bild);
    eintraege_.removeIf([&](const auto& eintrag) {
        if (behalten.contains(eintrag.key()))
            return false;
        absagen(eintrag.value());
        return true;
    });
}

} // namespace vun
