// A print job on a QPrinter: on a printer, or into a PDF file that appears
// only once it is whole. Used by the print dialog and the command line.
#pragma once

#include <QString>

#include "base/Failure.h"
#include "export/SheetPrinter.h"

class Document;
class QPrinter;

// Sheets are drawn at this resolution, on a printer as in a PDF file: sharp
// on paper, and a whole A4 slide stays near 13 MB while it is drawn.
inline constexpr int kPrintDpi = 300;

// A printer set to the stored paper ("Insatu"/"PaperSize", a paper size code)
// and orientation, on the full page so that margins count from its edge.
void ApplyStoredPaper(QPrinter& printer);

// The printer's paper as a paper size code; 0 for a paper without one.
int PaperSizeCode(const QPrinter& printer);

// The printer can print: a PDF file is named, or the printer is one the
// system knows. Otherwise 30082 after its name.
Result<void> CheckPrinter(const QPrinter& printer);

// Prints `job` on `printer`. A PDF file is written beside its target and
// renamed over it when whole, so a failure or a stop leaves an existing file
// as it was; a stopped printer job is aborted.
Result<void> PrintDocument(const Document& doc, QPrinter& printer, const PrintJob& job,
                           const ExportProgress& progress = {});
