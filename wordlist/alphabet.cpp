#include "wordlist/alphabet.h"

#include <QLocale>

namespace vun {

std::u32string faltschluessel(const QString& text) {
    std::u32string schluessel;
    schluessel.reserve(text.size());
    char32_t vorher = 0;
    for (const QChar zeichen : text) {
        char32_t einheit = zeichen.unicode();
        if (QChar::isLowSurrogate(einheit) && QChar::isHighSurrogate(vorher))
            einheit = QChar::surrogateToUcs4(vorher, einheit);
        vorher = zeichen.unicode();
        schluessel.push_back(QChar::toCaseFolded(einheit));
    }
    return schluessel;
}

QCollator deutscheOrdnung() {
    QCollator deutsch(QLocale(QLocale::German, QLocale::Germany));
    deutsch.setCaseSensitivity(Qt::CaseInsensitive);
    deutsch.setNumericMode(false);
    deutsch.setIgnorePunctuation(false);
    return deutsch;
}

} // namespace vun
