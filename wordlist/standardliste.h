#pragma once

#include <QStringList>

namespace vun {

// The nine built-in words, in the order they are added, used whenever a word-list file fails.
QStringList Standardliste();

} // namespace vun
