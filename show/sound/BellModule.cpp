// The bell module's one entry point, resolved by QtBellPlayer.
#include <QtGlobal>

#include "show/sound/BellSounds.h"

extern "C" Q_DECL_EXPORT BellPlayer* TessalyBellSounds() { return new BellSounds; }
