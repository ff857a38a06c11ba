#pragma once

#include "wordlist/kartenmischen.h"

#include <QHash>
#include <QImage>
#include <QObject>
#include <QRectF>
#include <QSize>
#include <QString>
#include <QThreadPool>
#include <atomic>
#include <memory>

namespace vun {

// A picture file decoded at the size it is drawn: fitted into feld (device pixels), its
// proportions kept, as large as fits. SVG is rendered at that size, a JPEG decoded scaled down
// by the decoder itself, other bitmaps scaled smoothly from the file, never from a smaller copy.
// Null when the file cannot be read as a picture (missing, changed, broken) or feld is empty.
QImage eingepasstLesen(const QString& pfad, QSize feld);

// Where a picture of that size in pixels lies in feld: as large as fits, proportions kept,
// centred.
QRectF eingepasst(QSizeF bild, const QRectF& feld);

// The pictures of the cards of one window, each held at the one size its cards draw it, so that
// a repaint decodes nothing. The pictures of a new deal, and those of every new size of the
// cards, are decoded in the background while the window goes on; a card turned before its
// picture is ready decodes it then.
class Bildvorrat : public QObject {
    Q_OBJECT
public:
    explicit Bildvorrat(QObject* eltern = nullptr);
    // Waits for the pictures being decoded in the background.
    ~Bildvorrat() override;

    // The picture to draw into feld: the one decoded for feld where it is held; while that one
    // is decoded in the background, the one held at the size before, to be drawn scaled until
    // bereit says the right one is there, unless `genau` asks for the right one now; else
    // decoded now.
    QImage bild(const QString& pfad, QSize feld, bool genau = false);
    // The picture fitted into feld decoded in the background, unless held or on its way. What
    // was on its way for another size is called off.
    void vorbereiten(const QString& pfad, QSize feld);
    // Forgets every picture but those of the deal on the board.
    void nurBehalten(const QList<Spielkarte>& liste1);

signals:
    // The picture decoded in the background for the size last asked for, feld, is there.
    void bereit(const QString& pfad, QSize feld);

private:
    using Absage = std::shared_ptr<std::atomic_bool>;
    struct Eintrag {
        QSize feld;
        QImage bild; // decoded for feld once fertig; before, the one of the size before
        bool fertig = false;
        Absage absage; // set when the background's work for this entry is no longer wanted
    };
    void ablegen(const QString& pfad, QSize feld, const QImage& bild);
    static void absagen(const Eintrag& eintrag);

    QHash<QString, Eintrag> eintraege_;
    QThreadPool arbeiter_;
};

} // namespace vun
