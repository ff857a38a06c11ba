#pragma once

#include <QWidget>

class QLabel;

namespace vun::ui {

// The information window: the program's logo, a notice, who made it and where to find it.
// It is made once and then only hidden and shown again; it never blocks the main window.
class Infofenster : public QWidget {
    Q_OBJECT
public:
    Infofenster();

    // Shows the window, or brings it to the front when it is shown already.
    void zeigen();

    // The notice and the maker's two lines, with CR LF between lines.
    static QString hinweis();
    static QString herstellerzeilen();
    static QString webzeile();

    // Drawn at the scale of the main window, placed as at the design size.
    void massstabSetzen(double faktor);

    // Where the window stands: centred across the screen, a quarter of the free height above.
    QPoint sollPosition() const;

protected:
    void paintEvent(QPaintEvent* ereignis) override;

private:
    void Form_Paint();
    void bauen();
    void setzeText(QLabel* label, const QString& text);

    QLabel* bezeichnung6_ = nullptr;
    QLabel* bezeichnung7_ = nullptr;
};

} // namespace vun::ui
