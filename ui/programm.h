#pragma once

#include <QString>
#include <QStringList>

class QTranslator;

namespace vun::ui {

// The name under which the desktop knows the program: its .desktop file, icon and metainfo.
inline constexpr char DesktopName[] = "de.vunmemory.VunMemory";

// Names the application for the desktop; it ends by the main window or the quit button only.
void anwendungEinrichten();

// The word-list file the program was started with ("Open with" in a file manager): the first
// argument that Qt left, made absolute against the folder the program was started in. Changes
// into that file's folder, so that the file list offers the lists beside it. The empty text,
// and no change of folder, when no file was given.
QString startdateiAnnehmen(const QStringList& argumente);

// Loads Qt's own German texts (context menus of text fields and the like) into the translator
// and installs it; false where the system has none.
bool qtTexteLaden(QTranslator& uebersetzer);

} // namespace vun::ui
