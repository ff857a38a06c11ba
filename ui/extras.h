#pragma once

#include <QList>
#include <QObject>
#include <array>
#include <functional>
#include <span>

class QAction;
class QKeySequence;
class QWidget;

namespace vun::ui {

// The extras beside the game: full screen and back, the zoom steps, printing, reading aloud, the
// board of large cards, the number of pairs and the groups that take turns. Leaving full screen
// with Escape is an extra of its own, without an entry.
enum class Extra {
    Vollbild,
    VollbildVerlassen,
    Groesser,
    Kleiner,
    Normalgroesse,
    Drucken,
    Vorlesen,
    GrosseKarten,
    Paare,
    Gruppenspiel
};
inline constexpr int Extrazahl = int(Extra::Gruppenspiel) + 1;

// The one action of each extra, made once from the table in extras.cpp with its keys, its entry
// in the menu of the extras and, for a switch, its check mark. Its keys act anywhere in the main
// window as Qt's shortcuts, which pass the program's input guard as every key does, so a held
// key acts once; the menu and the command line's switches trigger the same action. Who does
// the work of an extra (the window its zoom, the program its printing and reading aloud) says
// so with belegen().
class Extras : public QObject {
    Q_OBJECT
public:
    explicit Extras(QWidget& fenster);

    QAction* aktion(Extra extra) const { return aktionen_.at(int(extra)); }
    // The menu's entries in the table's order, each showing its key; Escape has none.
    QList<QAction*> menueeintraege() const;

    // What the extra does, and the state it shows: the mark of a switch, or, for an extra that
    // ends a state, whether there is one to end (Escape acts only in full screen). The state is
    // shown from now on, after each triggering and after each abgleichen().
    void belegen(Extra extra, std::function<void()> tun, std::function<bool()> zustand = {});
    // An extra of choices (Paare): one checkable action per choice, the one `gewaehlt` names
    // checked; each triggers `waehlen` with its number.
    void belegen(Extra extra, std::function<void(int)> waehlen, std::function<int()> gewaehlt);
    // The choices of the menu's entry, which the menu shows below it; none for most entries.
    QList<QAction*> auswahl(const QAction* eintrag) const;
    // Shows every state anew; for whoever changed one by other ways than the action.
    void abgleichen();

private:
    void auswahlBauen(Extra extra, std::span<const int> wahl);

    std::array<QAction*, Extrazahl> aktionen_{};
    std::array<std::function<bool()>, Extrazahl> zustaende_;
    std::array<QList<QAction*>, Extrazahl> auswahl_;
    std::array<std::function<int()>, Extrazahl> gewaehlt_;
};

// A key as the menu shows it, in German: "Strg+P".
QString tastenname(const QKeySequence& taste);

} // namespace vun::ui
