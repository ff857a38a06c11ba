#pragma once

#include <QListWidget>

namespace vun::ui {

// The file list of word-list files. A player chooses an entry with a mouse click on it (the
// entry chosen last time too) or by moving the selection with the keys; each choice is
// reported exactly once. Filling and showing the list never reports anything.
class Dateiliste : public QListWidget {
    Q_OBJECT
public:
    explicit Dateiliste(QWidget* eltern);

    // Shows the given names, keeping the entry chosen last if it is still listed, or hides.
    void zeigen(bool sichtbar, const QStringList& namen);

signals:
    void gewaehlt(const QString& name);

protected:
    void keyPressEvent(QKeyEvent* ereignis) override;
    void mouseReleaseEvent(QMouseEvent* ereignis) override;

private:
    void fuellen(const QStringList& namen);
    QStringList namen() const;
};

} // namespace vun::ui
