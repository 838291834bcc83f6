// Slides saved as one PDF file: each slide drawn, encoded as a JPEG, wrapped as
// a one-page PDF by CJpg2Pdf, then joined and given its information by pdfweld.
#pragma once

#include <QDateTime>
#include <QString>
#include <vector>

#include "base/Failure.h"
#include "render/SlideJobs.h"

class Document;

struct PdfExportRequest {
  std::vector<int> slides;  // 0-based, in page order
  float zoom = 1.0f;        // pages keep the designed size; a larger zoom draws them sharper
  QString output;
  QString title;         // the document's title; its extension is dropped
  QDateTime time;        // the creation and modification dates
  QString helperFolder;  // where pdfweld is
  QString workFolder;    // the one-page files go into a private folder here, removed afterwards
  int workers = 0;       // threads drawing and encoding pages; 0: one per core
};

// Writes `output` only once every page is joined; on any failure or a stop an
// existing file there is left as it was. Failures: 30018 (a path the system
// cannot take), 30026 (pdfweld missing, a page unreadable), 30001 (a slide
// that cannot be encoded), 30003 (a page not written or not joined), 30084
// (information not written).
Result<void> ExportPdf(const Document& doc, const PdfExportRequest& request, const ExportProgress& progress = {});
