// The self-running show package: a copy of the player followed by the show
// data of the document, every slide drawn and JPEG-encoded on every core.
#pragma once

#include <QString>

#include "base/Failure.h"
#include "render/SlideJobs.h"
#include "show/package/PackageFormat.h"

class Document;
struct DocHeader;

// The file name of the player beside the authoring program.
inline constexpr char kPlayerFileName[] = "Tavorun.dll";

struct PackageRequest {
  QString output;
  QString playerPath;  // the player, kPlayerFileName in the program's folder
  int workers = 0;     // threads drawing and encoding slides; 0: one per core
};

// The show settings of a package, from the document's header.
PackageShow PackageShowOf(const DocHeader& header);

// Writes the package to a temporary file beside `output`, renamed into place
// only when complete and given execute permission; any failure or a stop
// leaves an existing file of that name as it was. Progress runs to n + 2:
// one step per slide, the trailer, the rename. Failures: 30018 after the path
// for a path the system cannot take or a failed write; 30173 after
// "Tavorun.dll" without the player; 30026 after the path when the player
// cannot be read or the package cannot be created; 30001 when a slide cannot
// be encoded or the player is too large for the trailer.
Result<void> ExportShowPackage(const Document& doc, const PackageRequest& request,
                               const ExportProgress& progress = {});
