#pragma once

#include <QDir>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace vun {

// An entry, or a half of a pair line, that ends in a picture's file ending (letter case
// ignored) names a picture instead of a word: a file in the list's folder or below it.
bool istBildeintrag(QStringView eintrag);

// The list's picture entries and picture halves written as their file's absolute, cleaned
// path, so that two entries naming one file are one text for every rule of the list and the
// deal, and whoever draws or prints a card finds its file without knowing the list's folder.
// Words and pair lines without pictures stay exactly as they are.
void bilderAufloesen(QStringList& eintraege, const QDir& ordner);

} // namespace vun
