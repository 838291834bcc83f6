#include "app/PrinterDefaults.h"

#include <QPrinterInfo>

#include "export/PrintSettings.h"

PrinterDefaults ReadPrinterDefaults() {
  PrinterDefaults d;
  d.printer = QPrinterInfo::defaultPrinterName();
  d.paperSize = GetInt(insatu::PaperSize);
  d.orientation = ReadOrientation();
  return d;
}
