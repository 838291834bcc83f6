// The show data of a package read from the package's bytes, trusting none of
// them: every length and count is checked against the file before use.
#pragma once

#include <QByteArrayView>
#include <vector>

#include "base/Failure.h"
#include "show/package/PackageFormat.h"

struct PackageSlide {
  int time = 0;     // seconds: the low 16 bits of the stored value
  int pattern = 0;  // transition: the low 16 bits
  QByteArrayView jpeg;  // the slide's picture, inside the package's bytes
};

struct ShowPackage {
  PackageShow show;
  std::vector<PackageSlide> slides;
};

// The show data of `package` (the whole file), pointing into its bytes.
// Failures: 30003 without the trailer's magic (a bare player); 30001 when the
// show data, a record or a picture would reach past the trailer, or the slide
// count is above 100. A slide count of 0 is a show of the closing screen only.
Result<ShowPackage> ReadShowPackage(QByteArrayView package);
