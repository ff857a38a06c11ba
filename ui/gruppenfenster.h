#pragma once

#include <QWidget>
#include <array>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vun {
class Memo;
}

namespace vun::ui {

// The window "Gruppenspiel": how many groups play (2 to 6, on buttons a finger hits at the
// whiteboard), a name for each beside its symbol, filled with its colour's name, whether the turn
// passes after every turn, and "Los", "Abbrechen" and, while groups play, "Allein spielen". It
// stands over the main window, which takes no input while it is open, at the main window's zoom
// as far as the screen holds it. It acts on single clicks and keys, as every window of the
// program: the input guard sees its double-clicks and held keys.
class Gruppenfenster : public QWidget {
    Q_OBJECT
public:
    Gruppenfenster(Memo& memo, QWidget& hauptfenster);

    // Shown with the groups that play now, or else with the number chosen last and the
    // colours' names; at the zoom's factor, centred over the main window.
    void zeigen(double faktor);

    int gruppenzahl() const;
    QPushButton* zahlknopf(int zahl) const;
    QLineEdit* namensfeld(int gruppe) const { return namen_.at(gruppe - 1); }
    QCheckBox* wechselfeld() const { return wechsel_; }
    QPushButton* losknopf() const { return los_; }
    QPushButton* abbrechenknopf() const { return abbrechen_; }
    QPushButton* alleinknopf() const { return allein_; }

protected:
    // Escape is "Abbrechen", Return "Los".
    void keyPressEvent(QKeyEvent* ereignis) override;

private:
    void bauen();
    void anordnen(double faktor);
    void zahlWaehlen(int zahl);
    void losgehen();

    Memo& memo_;
    QWidget& hauptfenster_;
    QLabel* frage_ = nullptr;
    QButtonGroup* zahlen_ = nullptr;
    std::array<QWidget*, 6> zeichen_{};
    std::array<QLineEdit*, 6> namen_{};
    QCheckBox* wechsel_ = nullptr;
    QPushButton* los_ = nullptr;
    QPushButton* abbrechen_ = nullptr;
    QPushButton* allein_ = nullptr;
};

} // namespace vun::ui
