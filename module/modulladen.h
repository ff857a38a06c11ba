#pragma once

#include <QStringList>

namespace vun {

// The program's own modules (the voice, the cards' sounds), each loaded only when it is needed,
// so the program links none of their libraries.

// Where the module of this file name is looked for: beside the program first (a build), then in
// the package's own folder, found from the program's.
QStringList modulOrte(const QString& dateiname);

// What looking for a module found: the function asked for, null where no module could be loaded
// or none has it; and whether a module was there at all, so a missing one is told apart from one
// that cannot load for want of its libraries.
struct Modulfund {
    QFunctionPointer funktion = nullptr;
    bool vorhanden = false;
};

// The named function of the first of these modules that is there and loads. The module stays
// loaded to the program's end: the objects it makes have their code in it.
Modulfund modulfunktion(const QStringList& orte, const char* name);

} // namespace vun
