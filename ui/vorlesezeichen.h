#pragma once

#include <QLabel>

class QAction;

namespace vun::ui {

// A loudspeaker in the tool column while Vorlesen is switched on, so that the screen tells what
// the menu's tick alone told; read by screen readers as "Vorlesen an". It follows the switch's
// mark, which shows the player's switch from the first moment.
class Vorlesezeichen : public QLabel {
    Q_OBJECT
public:
    Vorlesezeichen(QAction& vorlesen, QWidget* eltern);

protected:
    void paintEvent(QPaintEvent* ereignis) override;
};

} // namespace vun::ui
