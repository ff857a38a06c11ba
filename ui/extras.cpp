#include "ui/extras.h"

#include "wordlist/brett.h"

#include <QAction>
#include <QActionGroup>
#include <QKeySequence>
#include <QWidget>
#include <span>

namespace vun::ui {

namespace {

struct Zeile {
    Extra extra;
    const char* text;                      // the menu's entry; none where the keys alone reach it
    std::array<QKeyCombination, 2> tasten; // the first is the one the menu shows
    bool schalter;
    std::span<const int> wahl = {}; // the numbers to choose from, shown below the entry
};

// The extras in the order the menu lists them; a new one adds its line and says in its owner
// what it does (Extras::belegen).
constexpr std::array<Zeile, Extrazahl> Tabelle{{
    {Extra::Vollbild, "Vollbild", {Qt::Key_F11}, true},
    {Extra::VollbildVerlassen, nullptr, {Qt::Key_Escape}, false},
    // "+" as typed, or "=" beneath it on English keyboards.
    {Extra::Groesser, "Größer", {Qt::CTRL | Qt::Key_Plus, Qt::CTRL | Qt::Key_Equal}, false},
    {Extra::Kleiner, "Kleiner", {Qt::CTRL | Qt::Key_Minus}, false},
    {Extra::Normalgroesse, "Normale Größe", {Qt::CTRL | Qt::Key_0}, false},
    {Extra::Drucken, "Karten drucken", {Qt::CTRL | Qt::Key_P}, false},
    {Extra::Vorlesen, "Vorlesen", {Qt::CTRL | Qt::Key_L}, true},
    // For the board and the class, which a teacher sets once; no key a child could hit.
    {Extra::GrosseKarten, "Große Karten", {}, true},
    {Extra::Paare, "Paare", {}, false, Paarzahlen},
    // Its window asks before anything changes, so a child's key does no harm.
    {Extra::Gruppenspiel, "Gruppenspiel…", {Qt::CTRL | Qt::Key_G}, false},
}};

} // namespace

QString tastenname(const QKeySequence& taste) {
    // Qt's own names of the keys follow its translations, which the program loads only with the
    // first box.
    return taste.toString(QKeySequence::PortableText)
        .replace(QLatin1String("Ctrl+"), QLatin1String("Strg+"));
}

Extras::Extras(QWidget& fenster) : QObject(&fenster) {
    for (const Zeile& z : Tabelle) {
        QList<QKeySequence> tasten;
        for (const QKeyCombination taste : z.tasten)
            if (taste.key() != Qt::Key_unknown)
                tasten.append(QKeySequence(taste));
        // After a tab the menu shows the key in a column of its own.
        QString text = z.text ? QString::fromUtf8(z.text) : QString();
        if (z.text && !tasten.isEmpty())
            text += QLatin1Char('\t') + tastenname(tasten.first());
        auto* aktion = new QAction(text, &fenster);
        aktion->setShortcuts(tasten);
        aktion->setCheckable(z.schalter);
        // Its keys act wherever the focus is in the window.
        fenster.addAction(aktion);
        aktionen_.at(int(z.extra)) = aktion;
        auswahlBauen(z.extra, z.wahl);
    }
}

void Extras::auswahlBauen(Extra extra, std::span<const int> wahl) {
    if (wahl.empty())
        return;
    auto* gruppe = new QActionGroup(this);
    for (const int zahl : wahl) {
        auto* a = new QAction(QString::number(zahl), gruppe);
        a->setCheckable(true);
        a->setData(zahl);
        auswahl_.at(int(extra)).append(a);
    }
}

QList<QAction*> Extras::auswahl(const QAction* eintrag) const {
    for (int i = 0; i < Extrazahl; ++i)
        if (aktionen_.at(i) == eintrag)
            return auswahl_.at(i);
    return {};
}

QList<QAction*> Extras::menueeintraege() const {
    QList<QAction*> eintraege;
    for (const Zeile& z : Tabelle)
        if (z.text)
            eintraege.append(aktion(z.extra));
    return eintraege;
}

void Extras::belegen(Extra extra, std::function<void()> tun, std::function<bool()> zustand) {
    zustaende_.at(int(extra)) = std::move(zustand);
    // A switch's mark, which Qt turns over as it triggers, shows what came of it.
    connect(aktion(extra), &QAction::triggered, this, [this, tun = std::move(tun)] {
        tun();
        abgleichen();
    });
    abgleichen();
}

void Extras::belegen(Extra extra, std::function<void(int)> waehlen, std::function<int()> gewaehlt) {
    gewaehlt_.at(int(extra)) = std::move(gewaehlt);
    for (QAction* a : auswahl_.at(int(extra)))
        connect(a, &QAction::triggered, this, [this, a, waehlen] {
            waehlen(a->data().toInt());
            abgleichen();
        });
    abgleichen();
}

void Extras::abgleichen() {
    for (int i = 0; i < Extrazahl; ++i)
        if (gewaehlt_.at(i)) {
            const int zahl = gewaehlt_.at(i)();
            for (QAction* a : auswahl_.at(i))
                a->setChecked(a->data().toInt() == zahl);
        }
    for (int i = 0; i < Extrazahl; ++i) {
        if (!zustaende_.at(i))
            continue;
        QAction* a = aktionen_.at(i);
        const bool zustand = zustaende_.at(i)();
        if (a->isCheckable())
            a->setChecked(zustand);
        else
            a->setEnabled(zustand);
    }
}

} // namespace vun::ui
