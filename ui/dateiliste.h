#pragma once

#include <QHash>
#include <QListWidget>
#include <functional>

namespace vun::ui {

// The file list of word-list files. A player chooses an entry with a mouse click on it (the
// entry chosen last time too) or by moving the selection with the keys; each choice is
// reported exactly once. Filling and showing the list never reports anything. Its place and font
// come from the main window's layout.
class Dateiliste : public QListWidget {
    Q_OBJECT
public:
    explicit Dateiliste(QWidget* eltern);

    // Shows the given names, keeping the entry chosen last if it is still listed and marking
    // the list being played, or hides.
    void zeigen(bool sichtbar, const QStringList& namen, const QString& gespielt = {});

    // What the list says, painted and to screen readers, when the folder holds no word list.
    static QString leerHinweis();
    // What screen readers hear beside the name of the list being played.
    static QString gespieltHinweis();

    // Where the title of a listed file comes from (empty where it has none). A title joins its
    // name in the tip over the entry and for screen readers.
    void setzeTitelquelle(std::function<QString(const QString& name)> quelle);
    // The entry's name with its title, as the tip shows it and screen readers say it.
    static QString mitTitel(const QString& name, const QString& titel);

signals:
    void gewaehlt(const QString& name);

protected:
    void keyPressEvent(QKeyEvent* ereignis) override;
    void mouseReleaseEvent(QMouseEvent* ereignis) override;
    void paintEvent(QPaintEvent* ereignis) override;
    bool viewportEvent(QEvent* ereignis) override;
    void changeEvent(QEvent* ereignis) override;
    void wheelEvent(QWheelEvent* ereignis) override;

private:
    void fuellen(const QStringList& namen);
    void markieren(const QString& gespielt);
    void eintragsschriftSetzen(QListWidgetItem* eintrag, bool markiert);
    bool passtGanz(const QListWidgetItem* eintrag) const;
    QStringList namen() const;
    QString titel(QListWidgetItem* eintrag);

    std::function<QString(const QString&)> titelquelle_;
    // Titles read so far; read afresh each time the list is shown, as files may have changed.
    QHash<QString, QString> titel_;
};

} // namespace vun::ui
