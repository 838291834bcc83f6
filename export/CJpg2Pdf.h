// The program's own one-page PDF writer: a JPEG file wrapped, unchanged, as the
// only image of a page.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QSize>
#include <QString>
#include <optional>

#include "base/Failure.h"

class CJpg2Pdf {
 public:
  // The PDF of one page showing `jpeg`. The page measures one point per pixel,
  // or `page` points when given (a slide drawn at a zoom keeps its designed
  // page size and gains sharpness). nullopt when the JPEG has no usable frame
  // header or is neither RGB nor CMYK.
  static std::optional<QByteArray> Make(QByteArrayView jpeg, QSize page = QSize());

  // Make, written to `pdfPath`. Failures carry 30003 with "[Get Size]",
  // "[File Create]" or "[Copy Stream]".
  static Result<void> Write(QByteArrayView jpeg, const QString& pdfPath, QSize page = QSize());
};
