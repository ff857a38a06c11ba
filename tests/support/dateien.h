#pragma once

#include "wordlist/dateilesen.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <sys/stat.h>

namespace vun::test {

// Writes the bytes as the whole file; true when all were written.
inline bool dateiSchreiben(const QString& pfad, const QByteArray& bytes) {
    QFile datei(pfad);
    return datei.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           datei.write(bytes) == bytes.size();
}

// The whole file's bytes; none where it cannot be read.
inline QByteArray dateiInhalt(const QString& pfad) {
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
}

// Lines in Windows-1252 (the characters must exist there), each ended by CR LF.
inline QByteArray alsWindows1252(const QStringList& zeilen) {
    QByteArray bytes;
    for (const QString& zeile : zeilen)
        bytes += zeile.toLatin1() + "\r\n";
    return bytes;
}

// Lines in UTF-8, each ended by the line end given.
inline QByteArray alsUtf8(const QStringList& zeilen, const char* ende = "\r\n") {
    QByteArray bytes;
    for (const QString& zeile : zeilen)
        bytes += zeile.toUtf8() + ende;
    return bytes;
}

// A word-list file as today's editors save one: UTF-8, CR LF.
inline bool wortlisteSchreiben(const QString& pfad, const QStringList& zeilen) {
    return dateiSchreiben(pfad, alsUtf8(zeilen));
}

// n entries from the pattern, every %1 in it replaced by the entry's number, filled with zeros to
// the given number of digits.
inline QStringList nummeriert(int n, const QString& muster, int stellen = 5) {
    QStringList eintraege;
    eintraege.reserve(n);
    for (int i = 0; i < n; ++i)
        eintraege << muster.arg(i, stellen, 10, QLatin1Char('0'));
    return eintraege;
}

// n different words W00000, W00001, ...
inline QStringList nummerierteWoerter(int n) {
    return nummeriert(n, QStringLiteral("W%1"));
}

// n pairs "L00000 = R00000", "L00001 = R00001", ...: no text twice.
inline QStringList nummeriertePaare(int n) {
    return nummeriert(n, QStringLiteral("L%1 = R%1"));
}

// n different words with umlauts and ß, as long as real German words.
inline QStringList woerterMitUmlauten(int n) {
    return nummeriert(n, QStringLiteral("Wörterbuch%1straße"), 0);
}

// n pairs of such words, "Wörterbuch0straße = Straßen0wörter", ...
inline QStringList paareMitUmlauten(int n) {
    return nummeriert(n, QStringLiteral("Wörterbuch%1straße = Straßen%1wörter"), 0);
}

// n pairs of which every three share their second half, as tasks share a result:
// "Wörterbuch0straße = Straßen0wörter", "Wörterbuch1straße = Straßen0wörter", ...
inline QStringList paareMitGeteiltenTexten(int n) {
    QStringList paare;
    paare.reserve(n);
    for (int i = 0; i < n; ++i)
        paare << QStringLiteral("Wörterbuch%1straße = Straßen%2wörter").arg(i).arg(i / 3);
    return paare;
}

// The ten tasks of the times table whose result is 12: pairs that all share their right half,
// so that no two of them can lie on the board together.
inline QStringList aufgabenMitErgebnisZwoelf() {
    return {"1 · 12 = 12", "2 · 6 = 12",  "3 · 4 = 12",  "4 · 3 = 12",  "6 · 2 = 12",
            "12 · 1 = 12", "24 : 2 = 12", "36 : 3 = 12", "48 : 4 = 12", "60 : 5 = 12"};
}

// Every kind of file that must end as the built-in list, each named *.TXT: too few words, too
// few different ones, empty, binary, too large, a folder, a broken link and a pipe (which would
// block an ordinary open for ever). Their names; none when one could not be made.
inline QStringList feindlicheDateien(const QDir& ordner) {
    const auto pfad = [&](const char* name) { return ordner.filePath(QLatin1String(name)); };
    const bool gemacht =
        dateiSchreiben(pfad("ACHT.TXT"), "1\n2\n3\n4\n5\n6\n7\n8\n") &&
        dateiSchreiben(pfad("GLEICH.TXT"), QByteArray("Wort\n").repeated(20)) &&
        dateiSchreiben(pfad("LEER.TXT"), {}) &&
        dateiSchreiben(pfad("BINAER.TXT"), QByteArray("\0\xff\xfe\x80\n", 5).repeated(40)) &&
        dateiSchreiben(pfad("GROSS.TXT"), QByteArray(MaxDateigroesse + 1, 'x')) &&
        ordner.mkdir(QStringLiteral("ORDNER.TXT")) &&
        QFile::link(pfad("nirgends"), pfad("KAPUTT.TXT")) &&
        ::mkfifo(QFile::encodeName(pfad("ROHR.TXT")).constData(), 0644) == 0;
    if (!gemacht)
        return {};
    return {"ACHT.TXT",  "GLEICH.TXT", "LEER.TXT",   "BINAER.TXT",
            "GROSS.TXT", "ORDNER.TXT", "KAPUTT.TXT", "ROHR.TXT"};
}

} // namespace vun::test
