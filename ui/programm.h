#pragma once

#include <QByteArray>
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

// The Qt platform to start on, from QT_QPA_PLATFORM and the displays the desktop offers; the
// empty text leaves Qt's own choice. The user's QT_QPA_PLATFORM always wins. On a Wayland
// desktop with XWayland the game goes through X, where a window is centred as it asks, and
// natively on Wayland where X fails; on Wayland alone it goes natively.
QByteArray plattformWahl(const QByteArray& gesetzt, bool wayland, bool x11);

// Puts the choice into QT_QPA_PLATFORM; before the application is made.
void plattformWaehlen();

// Loads Qt's own German texts (context menus of text fields and the like) into the translator
// and installs it; false where the system has none.
bool qtTexteLaden(QTranslator& uebersetzer);

} // namespace vun::ui
