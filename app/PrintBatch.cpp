#include "app/PrintBatch.h"

#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>

#include "app/CommandLine.h"
#include "app/ExportBatch.h"
#include "app/PrintOutput.h"
#include "base/MessageIds.h"
#include "base/MessageSink.h"
#include "core/Document.h"

namespace {

SheetOptions OptionsFor(const CommandLine& cl) {
  SheetOptions options = ReadSheetOptions();
  if (cl.perSheet > 0) options.perSheet = cl.perSheet;
  if (cl.frame >= 0) options.frame = cl.frame == 1;
  if (cl.numbers >= 0) options.numbers = cl.numbers == 1;
  return options;
}

}  // namespace

int RunPrintBatch(const Document& doc, const CommandLine& cl, std::FILE* err) {
  if (doc.Header().SlideCount == 0) {
    std::fprintf(err, "the document has no slide to print\n");
    return 1;
  }
  QPrinter printer(QPrinter::HighResolution);
  if (!cl.printToPath.isEmpty()) {
    if (QFileInfo(cl.printToPath).suffix().toUpper() != "PDF") {
      ShowMessage(msg::NeedPdfFile);
      return 1;
    }
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(cl.printToPath);
  } else {
    printer.setOutputFormat(QPrinter::NativeFormat);
    printer.setPrinterName(cl.printerName.isEmpty() ? QPrinterInfo::defaultPrinterName() : cl.printerName);
  }
  ApplyStoredPaper(printer);
  PrintJob job;
  job.options = OptionsFor(cl);
  job.sheets = {1, SheetCount(doc.Header().SlideCount, job.options.perSheet)};
  const Result<void> printed = PrintDocument(doc, printer, job, TerminalProgress(err, "Sheet", job.sheets.last, 1));
  if (printed) return 0;
  ShowFailure(printed.error());
  return 1;
}
