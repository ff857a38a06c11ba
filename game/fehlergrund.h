#pragma once

#include "wordlist/wortdatei.h"

#include <QString>

namespace vun {

// Why a word-list file cannot be played, in German for the teacher who wrote it: short,
// concrete, down to the line. Empty for a usable file.
QString fehlergrund(const Wortdatei& datei);

} // namespace vun
