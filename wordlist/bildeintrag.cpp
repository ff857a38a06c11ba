#include "wordlist/bildeintrag.h"

#include "wordlist/paarliste.h"

#include <array>

namespace vun {

namespace {

constexpr std::array<QStringView, 7> Bildendungen{u".png", u".jpg",  u".jpeg", u".gif",
                                                  u".bmp", u".webp", u".svg"};

QString aufgeloest(QStringView eintrag, const QDir& ordner) {
    return QDir::cleanPath(ordner.absoluteFilePath(eintrag.toString()));
}

} // namespace

bool istBildeintrag(QStringView eintrag) {
    for (const QStringView endung : Bildendungen)
        if (eintrag.size() > endung.size() && eintrag.endsWith(endung, Qt::CaseInsensitive))
            return true;
    return false;
}

void bilderAufloesen(QStringList& eintraege, const QDir& ordner) {
    for (QString& eintrag : eintraege) {
        const Paarzeile zeile = paarzeileLesen(eintrag);
        if (zeile.fehler) {
            if (istBildeintrag(eintrag))
                eintrag = aufgeloest(eintrag, ordner);
            continue;
        }
        if (!istBildeintrag(zeile.links) && !istBildeintrag(zeile.rechts))
            continue;
        const auto haelfte = [&](QStringView h) {
            return istBildeintrag(h) ? aufgeloest(h, ordner) : h.toString();
        };
        eintrag = haelfte(zeile.links) + Paartrenner.toString() + haelfte(zeile.rechts);
    }
}

} // namespace vun
