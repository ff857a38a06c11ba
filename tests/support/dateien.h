#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>

namespace vun::test {

// Writes the bytes as the whole file; true when all were written.
inline bool dateiSchreiben(const QString& pfad, const QByteArray& bytes) {
    QFile datei(pfad);
    return datei.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           datei.write(bytes) == bytes.size();
}

// Lines in Windows-1252 (the characters must exist there), each ended by CR LF.
inline QByteArray alsWindows1252(const QStringList& zeilen) {
    QByteArray bytes;
    for (const QString& zeile : zeilen)
        bytes += zeile.toLatin1() + "\r\n";
    return bytes;
}

// n different words W00000, W00001, ...
inline QStringList nummerierteWoerter(int n) {
    QStringList woerter;
    woerter.reserve(n);
    for (int i = 0; i < n; ++i)
        woerter << QStringLiteral("W%1").arg(i, 5, 10, QLatin1Char('0'));
    return woerter;
}

// n pairs "L00000 = R00000", "L00001 = R00001", ...: no text twice.
inline QStringList nummeriertePaare(int n) {
    QStringList paare;
    paare.reserve(n);
    for (int i = 0; i < n; ++i)
        paare << QStringLiteral("L%1 = R%1").arg(i, 5, 10, QLatin1Char('0'));
    return paare;
}

} // namespace vun::test
