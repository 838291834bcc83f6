#include "app/PrintOutput.h"

#include <sys/stat.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>
#include <filesystem>

#include "base/MessageIds.h"
#include "core/Document.h"
#include "export/PrintSettings.h"
#include "export/SystemPath.h"

namespace {

// The PDF engine does not report a write the disk refused; a whole file ends
// with the end-of-file mark.
bool EndsWithEofMark(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly) || file.size() < 16 || !file.seek(file.size() - 16)) return false;
  return file.read(16).contains("%%EOF");
}

// The PDF file, written under a temporary name and renamed when whole.
Result<void> PrintPdf(const Document& doc, QPrinter& printer, const PrintJob& job, const ExportProgress& progress) {
  const QString target = printer.outputFileName();
  if (Result<void> path = CheckSystemPath(target, msg::SaveFailed); !path) return path;
  QTemporaryFile partial(QFileInfo(target).absoluteDir().filePath(".print-XXXXXX.pdf"));
  if (!partial.open()) return Failure(msg::SaveFailed, target + '\n');
  partial.close();
  printer.setOutputFileName(partial.fileName());
  Result<void> printed = PrintSheets(doc, printer, job, progress);
  printer.setOutputFileName(target);
  // Into a file, the device that refuses a page is the file: the user is told which.
  if (!printed && printed.error().id == msg::PrinterDcFailed) return Failure(msg::SaveFailed, target + '\n');
  if (!printed) return printed;
  if (!EndsWithEofMark(partial.fileName())) return Failure(msg::SaveFailed, target + '\n');
  // The temporary file is private; the PDF gets what any new file of the user gets.
  const mode_t mask = umask(0);
  umask(mask);
  chmod(QFile::encodeName(partial.fileName()).constData(), 0666 & ~mask);
  std::error_code error;
  std::filesystem::rename(QFile::encodeName(partial.fileName()).toStdString(),
                          QFile::encodeName(target).toStdString(), error);
  if (error) return Failure(msg::SaveFailed, target + '\n');
  partial.setAutoRemove(false);
  return {};
}

}  // namespace

void ApplyStoredPaper(QPrinter& printer) {
  const QPageSize::PageSizeId id = QPageSize::id(GetInt(insatu::PaperSize));
  printer.setPageSize(QPageSize(id == QPageSize::Custom ? QPageSize::A4 : id));
  printer.setPageOrientation(ReadOrientation() == 2 ? QPageLayout::Landscape : QPageLayout::Portrait);
  printer.setFullPage(true);
}

int PaperSizeCode(const QPrinter& printer) { return printer.pageLayout().pageSize().windowsId(); }

Result<void> CheckPrinter(const QPrinter& printer) {
  if (printer.outputFormat() == QPrinter::PdfFormat) {
    if (printer.outputFileName().isEmpty()) return Failure(msg::PrinterFailed);
    return {};
  }
  if (printer.printerName().isEmpty() || !QPrinterInfo::availablePrinterNames().contains(printer.printerName()) ||
      !printer.isValid())
    return Failure(msg::PrinterFailed, printer.printerName() + '\n');
  return {};
}

Result<void> PrintDocument(const Document& doc, QPrinter& printer, const PrintJob& job,
                           const ExportProgress& progress) {
  if (Result<void> ready = CheckPrinter(printer); !ready) return ready;
  printer.setDocName(QCoreApplication::applicationName().isEmpty() ? QStringLiteral("Tessaly")
                                                                    : QCoreApplication::applicationName());
  printer.setResolution(kPrintDpi);
  if (printer.outputFormat() == QPrinter::PdfFormat) return PrintPdf(doc, printer, job, progress);
  PrintJob aborting = job;
  aborting.abandon = [&printer] { printer.abort(); };
  return PrintSheets(doc, printer, aborting, progress);
}
