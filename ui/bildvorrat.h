#pragma once

#include <QHash>
#include <QImage>
#include <QObject>
#include <QRectF>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QThreadPool>

namespace vun::ui {

// A picture file decoded at the size it is drawn: fitted into feld (device pixels), its
// proportions kept, as large as fits. SVG is rendered at that size, a JPEG decoded scaled down
// by the decoder itself, other bitmaps scaled smoothly from the file, never from a smaller copy.
// Null when the file cannot be read as a picture (missing, changed, broken) or feld is empty.
QImage eingepasstLesen(const QString& pfad, QSize feld);

// Where a picture of that size in pixels lies in feld: as large as fits, proportions kept,
// centred.
QRectF eingepasst(QSizeF bild, const QRectF& feld);

// The pictures of the cards of one window, each held at the one size its cards draw it, so that
// a repaint decodes nothing. The pictures of a new deal are decoded in the background while its
// cards lie covered; a card turned before its picture is ready decodes it then.
class Bildvorrat : public QObject {
    Q_OBJECT
public:
    explicit Bildvorrat(QObject* eltern = nullptr);
    // Waits for the pictures being decoded in the background.
    ~Bildvorrat() override;

    // The picture fitted into feld, decoded now unless it is held at that size already.
    QImage bild(const QString& pfad, QSize feld);
    // The picture fitted into feld decoded in the background, unless held or on its way.
    void vorbereiten(const QString& pfad, QSize feld);
    // Forgets every picture but those named in the texts (the texts of the deal on the board).
    void nurBehalten(const QStringList& texte);

    // For tests and benchmarks: how often a picture was decoded, how many are held and what
    // they take, and waiting for the background.
    int dekodiert() const { return dekodiert_; }
    int gehalten() const;
    qsizetype gehalteneBytes() const;
    void abwarten();

private:
    struct Eintrag {
        QSize feld;
        QImage bild;
        bool fertig = false;
    };
    void ablegen(const QString& pfad, QSize feld, const QImage& bild);

    QHash<QString, Eintrag> eintraege_;
    QThreadPool arbeiter_;
    int dekodiert_ = 0;
};

} // namespace vun::ui
