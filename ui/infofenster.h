#pragma once

#include <QWidget>
#include <array>

class QLabel;

namespace vun::ui {

class Bildknopf;
class Eingabewache;

// The information window: the program's logo, a notice, who made it and where to find it.
// It is made once and then only hidden and shown again; it never blocks the main window.
class Infofenster : public QWidget {
    Q_OBJECT
public:
    explicit Infofenster(Eingabewache& eingabe);

    // Shows the window, or brings it to the front when it is shown already.
    void zeigen();

    // The notice and the maker's two lines, with CR LF between lines.
    static QString hinweis();
    static QString herstellerzeilen();
    static QString webzeile();

    // Drawn at the scale of the main window, placed as at the design size: every child at its
    // design rectangle and font times the factor.
    void massstabSetzen(double faktor);

    // Where the window stands: centred across the screen, a quarter of the free height above.
    QPoint sollPosition() const;

protected:
    void paintEvent(QPaintEvent* ereignis) override;
    // Escape closes the window, as "O k a y" does.
    void keyPressEvent(QKeyEvent* ereignis) override;

private:
    void Form_Paint();
    void bauen(Eingabewache& eingabe);
    void setzeText(QLabel* label, const QString& text);

    QWidget* figur1_ = nullptr;
    QLabel* okay_ = nullptr;
    std::array<QLabel*, 4> logo_{};
    QLabel* bezeichnung6_ = nullptr;
    QLabel* bezeichnung7_ = nullptr;
    QLabel* web_ = nullptr;
    Bildknopf* flagge_ = nullptr;
};

} // namespace vun::ui
