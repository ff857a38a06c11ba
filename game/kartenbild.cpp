#include "game/kartenbild.h"

#include <QFileInfo>
#include <array>

namespace vun {

Rgb QBColor(int nummer) {
    static constexpr std::array<Rgb, 16> palette{{
        {0, 0, 0},
        {0, 0, 128},
        {0, 128, 0},
        {0, 128, 128},
        {128, 0, 0},
        {128, 0, 128},
        {128, 128, 0},
        {192, 192, 192},
        {128, 128, 128},
        {0, 0, 255},
        {0, 255, 0},
        {0, 255, 255},
        {255, 0, 0},
        {255, 0, 255},
        {255, 255, 0},
        {255, 255, 255},
    }};
    return palette.at(static_cast<std::size_t>(nummer & 15));
}

QString bildname(QStringView pfad) {
    QString name = QFileInfo(pfad.toString()).completeBaseName();
    name.replace(u'_', u' ').replace(u'-', u' ');
    return name.simplified();
}

} // namespace vun
