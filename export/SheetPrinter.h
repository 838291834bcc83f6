// Printing: the document's slides laid out one, two or six to a sheet on a
// paged device (a printer or a PDF file), each slide drawn by the slide
// renderer at the device's own resolution.
#pragma once

#include <QFont>
#include <QImage>
#include <functional>
#include <vector>

#include "base/Failure.h"
#include "export/PrintSettings.h"
#include "export/SheetLayout.h"
#include "render/SlideJobs.h"

class Document;
class QPagedPaintDevice;
class QPageLayout;
class QPainter;

struct PrintJob {
  SheetOptions options;
  SheetSpan sheets;  // 1-based
  int workers = 0;   // threads drawing slides; 0: one per core
  // Called on a failure or a stop while the device is still being painted,
  // so that a printer drops the job instead of printing half of it.
  std::function<void()> abandon;
};

// The smallest margins `layout`'s device can print.
MarginLimits DeviceMarginLimits(const QPageLayout& layout);

// The font of the slide numbers for `perSheet` slides per sheet on a surface
// of `pixelsPerInch`.
QFont NumberFont(int perSheet, double pixelsPerInch);

// Draws laid-out cells with their slide images (one per cell, in order), and
// their frames and numbers as `options` asks.
void PaintSheet(QPainter& painter, const std::vector<SheetCell>& cells, const std::vector<QImage>& images,
                const SheetOptions& options, const QFont& numberFont);

// Prints the sheets of `job` on `device`, whose painting must not have begun;
// the margins are first brought within the device's limits. Progress counts
// sheets. Failures: 30064 (the device cannot be painted on or take a new
// page), 30001 (a slide too large to draw); a stop gives msg::None.
Result<void> PrintSheets(const Document& doc, QPagedPaintDevice& device, const PrintJob& job,
                         const ExportProgress& progress = {});
