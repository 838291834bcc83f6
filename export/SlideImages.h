// Slides saved as image files: one slide to a file, or every slide into a
// folder as "Slide01.jpeg", "Slide02.jpeg", ...
#pragma once

#include <QString>

#include "base/Failure.h"
#include "export/ImageEncoder.h"
#include "render/SlideJobs.h"

class Document;

// Slide `slide` (0-based) drawn at `zoom` as every outside caller draws it
// and written to `path` in `format`.
Result<void> ExportSlideImage(const Document& doc, int slide, float zoom, ImageFormat format,
                              const QString& path);

// "Slide%02d.<format name>" in `folder` for slide k + 1, k = 0 .. count-1,
// drawn on `workers` threads (0: one per core), stopping at the first failure.
// A folder that exists is used as it is; a missing one is made (30057 after
// its path when that fails).
Result<void> ExportSlideImages(const Document& doc, const QString& folder, float zoom, ImageFormat format,
                               const ExportProgress& progress = {}, int workers = 0);

// The name of slide k's file (0-based k) in the folder.
QString SlideImageName(int k, ImageFormat format);
