#include "app/PrinterDefaults.h"

#include <QPrinterInfo>

#include "base/Settings.h"

PrinterDefaults ReadPrinterDefaults() {
  PrinterDefaults d;
  d.printer = QPrinterInfo::defaultPrinterName();
  d.paperSize = GetInt("Insatu", "PaperSize", 9);
  const int orientation = GetInt("Insatu", "Orientation", 1);
  d.orientation = (orientation == 1 || orientation == 2) ? orientation : 1;
  return d;
}
