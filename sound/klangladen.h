#pragma once

#include <QStringList>
#include <memory>

namespace vun {

class Klangspieler;

// The cards' sounds from the sound module, looked for beside the program
// first (a build), then in the package's own folder, found from the program's. Where the module
// is missing or cannot be loaded, a player that says so and which package brings it.
std::unique_ptr<Klangspieler> klangspielerLaden();
std::unique_ptr<Klangspieler> klangspielerLaden(const QStringList& orte);

// Where the sound module is looked for.
QStringList klangmodulOrte();

} // namespace vun
