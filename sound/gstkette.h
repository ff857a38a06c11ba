#pragma once

// The sound module's pipelines, one per sound played: the file's own demuxer, parser and decoder,
// chosen by its format as the list's check read it from the content, into the sound server.
// Nothing is found by probing: playbin's and decodebin's search through every decoder installed
// held 5 MiB more and loaded the video libraries for a game that plays sound only.
#include "seams/klangleser.h"
#include "seams/klangspieler.h"

#include <QString>
#include <gst/gst.h>
#include <optional>

namespace vun::gst {

// What keeps this format from being decoded here; nothing where it can be.
std::optional<Klanghindernis> decoderFehlt(Klangformat format);

// A pipeline from the file to the sound server, in GST_STATE_NULL, its messages dropped; null
// where the format cannot be decoded here.
GstElement* ketteBauen(const QString& datei, Klangformat format);

// Whether the sound server takes a sound: its sink is opened once and closed again.
bool tonausgangDa();

} // namespace vun::gst
