#pragma once

#include "seams/klangleser.h"
#include "tests/support/bildleser.h"
#include "wordlist/wortdatei.h"

#include <QFileInfo>
#include <QHash>
#include <QIODevice>
#include <QStringList>

namespace vun::test {

// Sounds from a script: every file that reaches the reader is a sound of `standard` unless its
// name (without folder) is scripted otherwise in befunde. Every file asked about is recorded.
class SkriptKlangleser : public Klangleser {
public:
    Klangbefund standard{true, 1500, Klangformat::Vorbis};
    QHash<QString, Klangbefund> befunde;
    mutable QStringList geprueft;

    Klangbefund pruefen(QIODevice& datei, const QString& pfad) const override {
        geprueft.append(pfad);
        // The seam hands over a file open at its start.
        if (!datei.isOpen() || datei.pos() != 0)
            return {};
        return befunde.value(QFileInfo(pfad).fileName(), standard);
    }
};

// A folder of its own with a list and the pictures and sounds it names (any bytes: the scripted
// readers take them), read through the scripted readers.
struct Klangordner : Bildordner {
    SkriptKlangleser klangleser;

    Wortdatei lesen(const QStringList& zeilen) {
        const QString liste = ordner.filePath(QStringLiteral("LISTE.TXT"));
        if (!wortlisteSchreiben(liste, zeilen))
            return {};
        return wortdateiLesen(liste, {leser, klangleser});
    }
};

} // namespace vun::test
