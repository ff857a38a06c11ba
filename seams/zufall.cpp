#include "seams/zufall.h"

namespace vun {

quint32 sekundenSeitMitternacht(const QTime& zeit) {
    return static_cast<quint32>(zeit.msecsSinceStartOfDay() / 1000);
}

void Zufallsgenerator::Randomize() {
    generator_.seed(sekundenSeitMitternacht());
}

} // namespace vun
