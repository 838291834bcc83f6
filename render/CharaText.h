// Text-in-text: a figure's fill made of repeated characters.
#pragma once

#include <QImage>

struct ObjectRecord;

// True when the figure fills itself with repeated characters.
bool HasCharaText(const ObjectRecord& r);

// Tiles the figure's characters over scratch, the picture its faces are filled with.
void TileCharaText(QImage& scratch, const ObjectRecord& r, float zoom);
