#pragma once

#include <QObject>

class QKeyEvent;

namespace vun::ui {

// X11 sends a held key as pairs of release and press with one time stamp, and Qt does not mark
// every such press as repeated. True for a press that only repeats the key let go at the same
// moment, or that Qt marks as repeated.
bool istWiederholung(const QKeyEvent* druck, int losgelasseneTaste, quint64 loslassZeit);

// A box opened by a held Enter or Space would take the key's repeats for answers: a held Enter on
// the name button accepted the name before the player saw the box. While it lives, repeated
// presses of the keys that press a button are dropped in the whole program; a typing key, and a
// blank typed into a text line, still repeat.
class Wiederholungssperre : public QObject {
public:
    Wiederholungssperre();
    ~Wiederholungssperre() override;

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    int losgelasseneTaste_ = 0;
    quint64 loslassZeit_ = 0;
};

} // namespace vun::ui
