#pragma once

#include "wordlist/wortdatei.h"

#include <QString>

namespace vun {

// Why a word-list file cannot be played, in German for the teacher who wrote it: short,
// concrete, down to the line. Empty for a usable file.
QString fehlergrund(const Wortdatei& datei);

// The box over a list played without the lines whose pictures cannot be shown (name: the
// list's file), and its details: each picture with its line and why, as for a faulty list.
QString weglassmeldung(const QString& name, const Wortdatei& datei);
QString weglassgrund(const Wortdatei& datei);

} // namespace vun
