#include "game/befehlszeile.h"

#include "game/gruppen.h"

#include <algorithm>
#include <array>

namespace vun {

namespace {

const QString Programm = QStringLiteral("vun-memory");

// The pairs a board can hold in its two columns.
constexpr std::array<int, 4> Paarzahlen{4, 6, 8, 9};

// Qt's own options, each without its dash (Qt takes them with one dash or two): those whose value
// is the next argument, and those without one. QApplication takes them out of the arguments.
constexpr std::array<QStringView, 15> QtMitWert{
    u"platform",    u"platformpluginpath", u"platformtheme", u"plugin",  u"qwindowgeometry",
    u"qwindowicon", u"qwindowtitle",       u"session",       u"display", u"geometry",
    u"style",       u"stylesheet",         u"name",          u"title",   u"visual"};
constexpr std::array<QStringView, 6> QtOhneWert{u"reverse", u"widgetcount", u"nograb",
                                                u"dograb",  u"sync",        u"testability"};

template <std::size_t N> bool unter(const std::array<QStringView, N>& namen, QStringView name) {
    return std::find(namen.cbegin(), namen.cend(), name) != namen.cend();
}

// An option of Qt's with "=" and its value in one argument (-style=Fusion, -qmljsdebugger=...).
bool qtOptionMitGleich(QStringView name) {
    const qsizetype gleich = name.indexOf(u'=');
    if (gleich <= 0)
        return false;
    const QStringView vorne = name.first(gleich);
    return unter(QtMitWert, vorne) || vorne == u"qmljsdebugger" || vorne == u"dialogs" ||
           vorne == u"fontengine";
}

Befehlszeile fehler(QString text) {
    Befehlszeile befehl;
    befehl.auftrag = Befehlszeile::Auftrag::Fehler;
    befehl.fehler = Programm + QStringLiteral(": ") + text;
    return befehl;
}

// The value of --paare: true where it is one of the numbers a board holds.
bool paarzahlLesen(const QString& wert, int& paare) {
    bool zahl = false;
    const int n = wert.toInt(&zahl);
    if (!zahl || std::find(Paarzahlen.cbegin(), Paarzahlen.cend(), n) == Paarzahlen.cend())
        return false;
    paare = n;
    return true;
}

// The value of --gruppen: true where it is a number of groups the game takes.
bool gruppenzahlLesen(const QString& wert, int& gruppen) {
    bool zahl = false;
    const int n = wert.toInt(&zahl);
    if (!zahl || n < MinGruppen || n > MaxGruppen)
        return false;
    gruppen = n;
    return true;
}

} // namespace

Befehlszeile befehlszeileLesen(const QStringList& argumente) {
    Befehlszeile befehl;
    bool nurNamen = false;
    const auto name = [&](const QString& argument) {
        if (befehl.liste.isEmpty())
            befehl.liste = argument;
    };
    for (qsizetype i = 1; i < argumente.size(); ++i) {
        const QString& argument = argumente.at(i);
        if (nurNamen || argument.size() < 2 || !argument.startsWith(u'-')) {
            name(argument);
            continue;
        }
        if (argument == u"--") {
            nurNamen = true;
        } else if (argument == u"--help" || argument == u"-h") {
            befehl.auftrag = Befehlszeile::Auftrag::Hilfe;
            return befehl;
        } else if (argument == u"--version") {
            befehl.auftrag = Befehlszeile::Auftrag::Version;
            return befehl;
        } else if (argument == u"--drucken") {
            befehl.auftrag = Befehlszeile::Auftrag::Drucken;
            return befehl;
        } else if (argument == u"--vollbild") {
            befehl.vollbild = true;
        } else if (argument == u"--vorlesen") {
            befehl.vorlesen = true;
        } else if (argument == u"--paare" || argument.startsWith(u"--paare=")) {
            const bool folgt = argument == u"--paare";
            if (folgt && i + 1 >= argumente.size())
                return fehler(QStringLiteral("--paare braucht eine Zahl: 4, 6, 8 oder 9."));
            const QString wert = folgt ? argumente.at(++i) : argument.sliced(8);
            if (!paarzahlLesen(wert, befehl.paare))
                return fehler(
                    QStringLiteral("--paare braucht 4, 6, 8 oder 9, nicht „%1“.").arg(wert));
        } else if (argument == u"--gruppenwahl") {
            befehl.gruppenwahl = true;
        } else if (argument == u"--gruppen" || argument.startsWith(u"--gruppen=")) {
            const bool folgt = argument == u"--gruppen";
            if (folgt && i + 1 >= argumente.size())
                return fehler(QStringLiteral("--gruppen braucht eine Zahl von 2 bis 6."));
            const QString wert = folgt ? argumente.at(++i) : argument.sliced(10);
            if (!gruppenzahlLesen(wert, befehl.gruppen))
                return fehler(QStringLiteral("--gruppen braucht eine Zahl von 2 bis 6, nicht „%1“.")
                                  .arg(wert));
        } else {
            const QStringView option =
                QStringView(argument).sliced(argument.startsWith(u"--") ? 2 : 1);
            if (unter(QtMitWert, option))
                ++i;
            else if (!unter(QtOhneWert, option) && !qtOptionMitGleich(option))
                return fehler(QStringLiteral("unbekannter Schalter „%1“ (alle zeigt „%2 --help“).")
                                  .arg(argument, Programm));
        }
    }
    return befehl;
}

QString hilfetext() {
    return QStringLiteral(
        "Aufruf: vun-memory [SCHALTER] [LISTE.TXT]\n"
        "        vun-memory --drucken LISTE.TXT AUSGABE.pdf\n"
        "\n"
        "Ein Memory mit deutschen Wörtern. Ohne LISTE.TXT spielt es mit VUNMEMO.TXT aus dem\n"
        "Ordner, in dem es gestartet wird, und bietet die anderen Listen (*.TXT) dort an; mit\n"
        "LISTE.TXT mit dieser Liste und den Listen neben ihr.\n"
        "\n"
        "Schalter:\n"
        "  --vollbild       im Vollbild beginnen (F11 schaltet um, Esc zurück)\n"
        "  --vorlesen       die Karten vorlesen (Strg+L schaltet um)\n"
        "  --paare N        mit N Paaren spielen: 4, 6, 8 oder 9 (ohne den Schalter 9)\n"
        "  --gruppen N      N Gruppen (2 bis 6) spielen abwechselnd, etwa an der Tafel\n"
        "                   (Strg+G wählt sie im Spiel)\n"
        "  --gruppenwahl    mit dem Fenster „Gruppenspiel“ beginnen, das nach den Gruppen\n"
        "                   fragt\n"
        "  --drucken LISTE.TXT AUSGABE.pdf\n"
        "                   die Karten der Liste als PDF schreiben, ohne Fenster\n"
        "  -h, --help       diese Hilfe zeigen\n"
        "  --version        Name und Version zeigen\n"
        "  --               alles danach ist der Name einer Liste\n"
        "\n"
        "Die Schalter von Qt gelten auch, etwa -platform xcb oder -style Fusion.\n");
}

QString versionstext(const QString& version) {
    return QStringLiteral("VUN-Memory (%1) %2\n").arg(Programm, version);
}

} // namespace vun
