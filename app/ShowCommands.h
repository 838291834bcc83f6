// The show menu: the four ways to start a show of the open document, and
// the stored switching times.
#pragma once

#include "show/ShowSettings.h"

class CommandRegistry;
class EditPath;
class QString;
class QWidget;
struct DocHeader;

inline constexpr int ID_TIME_CHANGE_MODE = 545;
inline constexpr int ID_GET_TIME_MODE = 544;
inline constexpr int ID_HONBAN_MODE = 546;
inline constexpr int ID_DURING_MODE = 578;
inline constexpr int ID_AUTO_SETTEI = 572;

ShowSettings ShowSettingsFromHeader(const DocHeader& header);
// The pen colour of a show, "Last"/"refPointer" (RGB(255,130,0) unless chosen).
inline constexpr int kDefaultPenColour = 33535;
QColor ShowPenColour();

// Runs a show of the document modally (on the screen of `owner` when given);
// a show that cannot start says why. A rehearsal's end, and ResultsOnly at
// once, open the results, which keep times through `edits`.
void RunDocumentShow(EditPath& edits, ShowMode mode, QWidget* owner);

// Opens `path` and runs its show in `mode` without the main window. When the
// rehearsal's times were kept, saves the file as the main window does (with
// its backup). False when the file could not be opened or saved.
bool RunFileShow(const QString& path, ShowMode mode);

// Adds ID_HONBAN_MODE, ID_DURING_MODE, ID_GET_TIME_MODE, ID_TIME_CHANGE_MODE
// and ID_AUTO_SETTEI.
void RegisterShowCommands(CommandRegistry& commands, EditPath& edits, QWidget* owner);
