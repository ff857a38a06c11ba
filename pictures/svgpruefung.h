#pragma once

#include <QByteArray>

namespace vun {

// Whether an SVG document is safe to hand to Qt's renderer, read once without expanding or
// fetching anything: its root element is <svg>; it declares few entities, each short and
// referring to nothing (so none can multiply, as in the "billion laughs", nor fetch a file);
// every reference (href, url(…)) leads to a part of the picture (#…) or to data written into it
// (data:), no style sheet is imported; and its references run in no circle nor draw more than
// ten thousand parts in all.
bool svgSicher(const QByteArray& bytes);

} // namespace vun
