#pragma once

#include <QString>
#include <QStringList>
#include <memory>

namespace vun {

class Sprecher;

// The voice of the desktop's speech service, from the speech module, looked for beside the
// program first (a build), then in the package's own folder, found from the program's. Where the
// module is missing or cannot be loaded, a speaker that says so and which package brings it.
std::unique_ptr<Sprecher> sprecherLaden();
std::unique_ptr<Sprecher> sprecherLaden(const QStringList& orte);

// Where the speech module is looked for.
QStringList sprechermodulOrte();

} // namespace vun
