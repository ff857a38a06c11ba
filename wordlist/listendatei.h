#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringView>
#include <QtGlobal>
#include <optional>
#include <span>

namespace vun {

// A file a list names (a picture, a sound): the entry's line, the name as written, and the file
// it resolves to.
struct Dateistelle {
    int nummer = 0;
    QString name;
    QString pfad;
};

// A list's faulty files of one kind: the first few (at most hoechstens), and how many in all;
// and every line that names one, in ascending order, each once.
template <typename Fehlerhaft> struct Dateipruefung {
    QList<Fehlerhaft> erste;
    int gesamt = 0;
    QList<int> zeilen;
};

// Where a named file lies and whether it may be read, the rules pictures and sounds share.
enum class Dateiort {
    Offen,      // a regular file inside the folder, not empty, within the size: opened
    Fehlt,      // no file of that name
    Ordner,     // a folder of that name
    KeineDatei, // empty, no regular file, or not to be opened
    ZuGross,    // more bytes than allowed
    Ausserhalb, // a link whose target lies outside
};

// Whether the text names a file of one of the endings (letter case ignored): a name that is
// nothing but an ending (".png") names no file a teacher made.
bool endetAuf(QStringView eintrag, std::span<const QStringView> endungen);

// The name as a path inside the folder: "\" as "/", since a file name with a backslash is no
// name a teacher gives, but a list written on Windows separates its folders so.
QString alsPfad(QStringView eintrag);

// The name as written leads out of the folder: an absolute path ("/a", "//server/a", "C:/a",
// "C:a") or ".." leading out.
bool nameAusserhalb(QStringView eintrag);

// The folder's real path, ending in "/"; one that is gone holds nothing.
QByteArray echterOrdner(const QDir& ordner);

// Opens the file at pfad into datei where it is a regular file inside the folder (innen, from
// echterOrdner), links followed, of 1 to hoechstens bytes. Nothing outside the folder is opened,
// nor anything but a regular file, so neither a link to a device nor a named pipe is read or
// blocks.
Dateiort dateiOeffnen(const QString& pfad, const QByteArray& innen, qint64 hoechstens,
                      QFile& datei);

// The name as written with its file's name as a file beside it is called where the two differ
// only in letter case (a list written on Windows, where case does not matter); empty where no
// such file lies in a folder inside the list's.
QString andereSchreibung(const Dateistelle& stelle, const QByteArray& innen);

// Checks every file the stellen name, in the order of their lines, each file once:
// pruefen(pfad, innen) tells a file's fault (its grund alone) or nothing. The name as written
// decides before any file is looked at; a missing file is told with the name a file of other
// letter case has.
template <typename Fehlerhaft, typename Pruefen>
Dateipruefung<Fehlerhaft> dateienPruefen(const QList<Dateistelle>& stellen, const QDir& ordner,
                                         int hoechstens, Pruefen pruefen) {
    using Grund = decltype(Fehlerhaft::grund);
    Dateipruefung<Fehlerhaft> pruefung;
    QByteArray innen;
    QHash<QString, std::optional<Fehlerhaft>> geprueft;
    for (const Dateistelle& stelle : stellen) {
        std::optional<Fehlerhaft> fehler;
        if (nameAusserhalb(stelle.name)) {
            fehler = Fehlerhaft{};
            fehler->grund = Grund::Ausserhalb;
        } else if (stelle.pfad.contains(QChar(0))) {
            fehler = Fehlerhaft{}; // no file is named so; the system would cut it
            fehler->grund = Grund::Fehlt;
        } else if (const auto schon = geprueft.constFind(stelle.pfad); schon != geprueft.cend()) {
            fehler = *schon;
        } else {
            if (innen.isEmpty())
                innen = echterOrdner(ordner);
            fehler = pruefen(stelle.pfad, innen);
            geprueft.insert(stelle.pfad, fehler);
        }
        if (!fehler)
            continue;
        ++pruefung.gesamt;
        if (pruefung.zeilen.isEmpty() || pruefung.zeilen.constLast() != stelle.nummer)
            pruefung.zeilen.append(stelle.nummer);
        if (pruefung.erste.size() >= hoechstens)
            continue;
        fehler->nummer = stelle.nummer;
        fehler->name = stelle.name;
        if (fehler->grund == Grund::Fehlt && !innen.isEmpty())
            fehler->vorschlag = andereSchreibung(stelle, innen);
        pruefung.erste.append(std::move(*fehler));
    }
    return pruefung;
}

} // namespace vun
