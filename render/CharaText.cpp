#include "render/CharaText.h"

#include "core/Records.h"

bool HasCharaText(const ObjectRecord& r) { return r.CharaText[0] != '\0'; }

// The characters are drawn from their glyph outlines, which the character-outline module
// provides; until it does, the faces show the pattern's background alone.
void TileCharaText(QImage&, const ObjectRecord&, float) {}
