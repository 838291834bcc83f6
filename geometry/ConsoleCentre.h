// Where the zoom console of the editing view sits: the stored centre kept so
// that the whole 130 x 130 console stays 5 pixels inside the client area.
// The stored centre itself is left as the user placed it.
#pragma once

#include <QPoint>
#include <QSize>

#include "core/Records.h"

inline constexpr int kConsoleSize = 130;

QPoint ClampConsoleCentre(QPoint centre, QSize client);
// The centre as shown and hit in a client area of `client` pixels.
QPoint ConsoleCentre(const DocHeader& header, QSize client);
