// GIF files written with giflib (Qt reads GIF but cannot write it).
#pragma once

#include <QByteArray>
#include <optional>

struct IndexedImage;

// A GIF89a file of `image`: the palette as the global colour table (padded to
// a power of two), then a graphic control block with no colour transparent yet
// (CGIFSub::MakeTransparent fills it in), then the image. nullopt on failure.
std::optional<QByteArray> WriteGif(const IndexedImage& image);
