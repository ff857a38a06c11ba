#pragma once

class QTranslator;

namespace vun::ui {

// The name under which the desktop knows the program: its .desktop file, icon and metainfo.
inline constexpr char DesktopName[] = "de.vunmemory.VunMemory";

// Names the application for the desktop; it ends by the main window or the quit button only.
void anwendungEinrichten();

// Loads Qt's own German texts (context menus of text fields and the like) into the translator
// and installs it; false where the system has none.
bool qtTexteLaden(QTranslator& uebersetzer);

} // namespace vun::ui
