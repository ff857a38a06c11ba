#pragma once

#include "wordlist/bildeintrag.h"
#include "wordlist/dateilesen.h"
#include "wordlist/klangeintrag.h"
#include "wordlist/paarliste.h"
#include "wordlist/wortliste.h"

#include <QByteArray>
#include <QDir>
#include <QList>
#include <QString>
#include <QStringList>

namespace vun {

// The entries of a word-list file's bytes: every line that holds something besides blanks and
// tabs, without the blanks and tabs at either end (a card could not show them); letter case is
// kept. A line ends at CR LF, at CR or at a lone LF; the text is UTF-16 or UTF-8 after their
// byte-order mark, UTF-8 where the bytes show it, else Windows-1252 (see kodierungErkennen).
// zeilennummern, where given, receives the number of each entry's line, counted from 1.
QStringList zeilenAusBytes(const QByteArray& bytes, QList<int>* zeilennummern = nullptr);

// A line of a pair list that is no pair.
struct FehlerhafteZeile {
    int nummer = 0;
    Zeilenfehler grund = Zeilenfehler::KeinGleichheitszeichen;
    int gleichheitszeichen = 0;
    bool operator==(const FehlerhafteZeile&) const = default;
};

// A word-list file read and judged: its entries and their kind when fehler is Keiner (a pair
// list's pairs each once, paareVereinheitlichen), otherwise no entries but what tells why.
struct Wortdatei {
    // A faulty pair list names at most this many of its lines that are no pairs, a list with
    // faulty pictures or sounds as many of each.
    static constexpr int GemeldeteZeilen = 5;

    QList<Kartenpaar> eintraege;
    Listenart art = Listenart::Woerter;
    Wortdateifehler fehler = Wortdateifehler::Keiner;
    // The pairs a deal takes, which the list was judged for.
    int paare = Paarzahl;
    // The entries, or a pair list's different pairs.
    int anzahl = 0;
    // The different words, or the pairs that can lie on the board together, counted up to paare.
    int verschiedene = 0;
    // A faulty pair list's lines that are no pairs: the first few, and how many in all.
    QList<FehlerhafteZeile> fehlerhafteZeilen;
    int fehlerhafteZeilenGesamt = 0;
    // A list's pictures that cannot be shown: the first few, and how many in all; in a list
    // played without their lines too.
    QList<FehlerhaftesBild> fehlerhafteBilder;
    int fehlerhafteBilderGesamt = 0;
    // A list's sounds that cannot be played, told as its pictures are.
    QList<FehlerhafterKlang> fehlerhafteKlaenge;
    int fehlerhafteKlaengeGesamt = 0;
    // The lines left out of a list played without them, for their pictures or sounds.
    int weggelasseneZeilen = 0;
    // The heading above a pair list's pairs (see titelzeile); no card. Empty where there is none.
    QString titel;
    // Every picture the entries name, where they make a list or fail only in their number:
    // what bilderPruefen checks.
    QList<Bildstelle> bilder;
    // Every sound they name, alike: what klaengePruefen checks.
    QList<Klangstelle> klaenge;
};

// Whether the first entry is the list's heading: it is no pair line, and every entry after it
// is one, or so many are that the list is a faulty pair list anyway (its heading is then none
// of the lines it names).
bool titelzeile(const QStringList& eintraege);

// The heading of a word-list file, read without judging the rest; empty where there is none or
// the file cannot be read.
QString wortdateiTitel(const QString& pfad);

// Judges the entries of a file, each line's kind as it is written: a pair list when every entry
// is a pair line; a faulty pair list when more than half are; otherwise a list of words. Usable
// are at least `paare` and at most Wortliste::MaxEintraege entries, with `paare` different words,
// or as many pairs that share no content. A heading (titelzeile) is kept apart as the list's title.
// Every entry, or half of a pair, becomes a card's content (inhaltLesen), its pictures resolved
// in the folder, so a folder named "Klasse - 3b" or "Klasse=1a" makes no picture a pair.
// zeilennummern gives each entry's line for the message; without them entry i is line i + 1.
// Nothing on disk is looked at: the pictures are named in bilder and the sounds in klaenge, not
// checked.
Wortdatei eintraegeBeurteilen(const QStringList& eintraege, const QDir& ordner = QDir(),
                              const QList<int>& zeilennummern = {}, int paare = Paarzahl);

// The bytes of a word-list file lying in that folder, judged as eintraegeBeurteilen does.
Wortdatei wortdateiBeurteilen(const QByteArray& bytes, const QDir& ordner, int paare = Paarzahl);

// A reader that finds no file a picture: where it is given, every picture of a list is refused
// once its name has passed the rules of the folder.
const Bildleser& keinBildleser();

// A reader that finds no file a sound, as keinBildleser finds no picture.
const Klangleser& keinKlangleser();

// The readers a list's files are checked with. Given a picture reader alone (as everything that
// knows no sounds gives it), every sound is refused as keinKlangleser refuses it.
struct Listenpruefer {
    // Not explicit: a picture reader stands for the pair.
    Listenpruefer(const Bildleser& bilder = keinBildleser(),
                  const Klangleser& klaenge = keinKlangleser())
        : bildleser(&bilder), klangleser(&klaenge) {}
    const Bildleser* bildleser;
    const Klangleser* klangleser;
};

// Reads and judges the file. Where its lines make a list (or fail only in their number), its
// pictures and sounds are checked too (bilderPruefen, klaengePruefen). A line whose picture
// cannot be shown or whose sound cannot be played is left out where the lines left still make a
// list of the same kind, judged as any list is (weggelasseneZeilen, with the files named);
// otherwise the list is faulty (FehlerhafteBilder, or FehlerhafteKlaenge where only sounds
// fail).
Wortdatei wortdateiLesen(const QString& pfad, Listenpruefer pruefer = {}, int paare = Paarzahl);

// The start-up list's file in the folder: VUNMEMO.TXT, or where no regular file has exactly that
// name, one whose name differs only in letter case (vunmemo.txt, as a list copied from Windows
// may be called on Linux).
QString startdateiPfad(const QDir& ordner);

// The word-list files of the folder: regular files matching *.TXT with letter case ignored, no
// folders, hidden files or broken links, sorted alphabetically with letter case ignored.
QStringList wortlistenDateien(const QDir& ordner);

} // namespace vun
