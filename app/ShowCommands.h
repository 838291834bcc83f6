// The show menu: the four ways to start a show of the open document.
#pragma once

#include <functional>

#include "show/ShowSettings.h"

class CommandRegistry;
class Document;
class QWidget;
struct DocHeader;

inline constexpr int ID_TIME_CHANGE_MODE = 545;
inline constexpr int ID_GET_TIME_MODE = 544;
inline constexpr int ID_HONBAN_MODE = 546;
inline constexpr int ID_DURING_MODE = 578;

ShowSettings ShowSettingsFromHeader(const DocHeader& header);
// The pen colour of a show, "Last"/"refPointer" (RGB(255,130,0) unless chosen).
inline constexpr int kDefaultPenColour = 33535;
QColor ShowPenColour();

// Runs a show of `doc` modally (on the screen of `owner` when given); a show
// that cannot start says why.
void RunDocumentShow(const Document& doc, ShowMode mode, QWidget* owner);

// Adds ID_HONBAN_MODE, ID_DURING_MODE, ID_GET_TIME_MODE and ID_TIME_CHANGE_MODE.
void RegisterShowCommands(CommandRegistry& commands, std::function<const Document&()> document,
                          QWidget* owner);
