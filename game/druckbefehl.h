#pragma once

#include "wordlist/wortdatei.h"

#include <QString>
#include <QStringList>

namespace vun {

class Dialoge;
class Drucker;

// Runs the command on the arguments Qt left, the program's name first: writes the cards of the
// list as a PDF through the printer. What went wrong is told through the dialogs, each message
// titled with the program's name. Nothing is written where the list is faulty, the output is
// the list itself or cannot be written (exit code 1); wrong arguments give 2, success 0. The
// list's pictures and sounds are checked through pruefer, as for a game.
int druckbefehl(const QStringList& argumente, Drucker& drucker, Dialoge& dialoge,
                Listenpruefer pruefer);

} // namespace vun
