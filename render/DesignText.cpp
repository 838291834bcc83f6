// Design text has its own renderer; until it exists such objects are not drawn.
#include "render/DesignText.h"

bool DrawDesignText(gdi::Dc&, const Document&, const RenderContext&, int) { return false; }
