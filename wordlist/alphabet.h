#pragma once

#include <QString>
#include <QStringList>
#include <string>

namespace vun {

// What German alphabetical order compares, as a dictionary sorts (DIN 5007-1): first the letters
// without their marks, "ä" as "a", "ß" as "ss", letter case ignored; then, among those equal so
// far, the plain letter before the one with a mark ("Ubung" before "Übung"). Texts that differ
// only in letter case have equal keys. Two keys compare as plain numbers. Built from Qt's own
// character tables, it orders the same whatever language and collation the system is set to.
std::u32string alphabetschluessel(const QString& text);

// The texts in German alphabetical order; texts with equal keys keep the order they came in.
void alphabetischOrdnen(QStringList& texte);

} // namespace vun
