#pragma once

#include "seams/bildleser.h"
#include "tests/support/dateien.h"
#include "wordlist/wortdatei.h"

#include <QFileInfo>
#include <QHash>
#include <QIODevice>
#include <QStringList>
#include <QTemporaryDir>
#include <QtTest>

namespace vun::test {

// Pictures from a script: every file that reaches the reader is a picture of `standard` unless
// its name (without folder) is scripted otherwise in befunde. Every file asked about is recorded.
class SkriptBildleser : public Bildleser {
public:
    Bildbefund standard{true, QSize(400, 300)};
    QHash<QString, Bildbefund> befunde;
    mutable QStringList geprueft;

    Bildbefund pruefen(QIODevice& datei, const QString& pfad) const override {
        geprueft.append(pfad);
        // The seam hands over a file open at its start.
        if (!datei.isOpen() || datei.pos() != 0)
            return {};
        return befunde.value(QFileInfo(pfad).fileName(), standard);
    }
};

// A folder of its own with a list and the files it names (any bytes: the scripted reader takes
// them), read through the scripted reader.
struct Bildordner {
    QTemporaryDir tmp;
    QDir ordner{tmp.path()};
    SkriptBildleser leser;

    void bild(const QString& name, const QByteArray& bytes = "bild") {
        QVERIFY(ordner.mkpath(QFileInfo(ordner.filePath(name)).path()));
        QVERIFY(dateiSchreiben(ordner.filePath(name), bytes));
    }
    Wortdatei lesen(const QStringList& zeilen) {
        const QString liste = ordner.filePath(QStringLiteral("LISTE.TXT"));
        if (!wortlisteSchreiben(liste, zeilen))
            return {};
        return wortdateiLesen(liste, leser);
    }
    QString pfad(const QString& name) const { return QDir::cleanPath(ordner.filePath(name)); }
};

} // namespace vun::test
