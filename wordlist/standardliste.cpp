#include "wordlist/standardliste.h"

namespace vun {

QStringList Standardliste() {
    return {QStringLiteral("Computer"), QStringLiteral("Maus"),   QStringLiteral("Tasten"),
            QStringLiteral("Monitor"),  QStringLiteral("CD-Rom"), QStringLiteral("Drucker"),
            QStringLiteral("Scanner"),  QStringLiteral("Video"),  QStringLiteral("Diskette")};
}

} // namespace vun
