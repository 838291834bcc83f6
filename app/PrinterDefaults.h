// The default printer's paper and orientation as the user last chose them.
#pragma once

#include <QString>

struct PrinterDefaults {
  QString printer;      // empty: no default printer (normal on Linux)
  int paperSize = 9;    // "Insatu"/"PaperSize", 9 = A4
  int orientation = 1;  // 1 portrait, 2 landscape
};

// Reads "Insatu"/"PaperSize" and "Orientation" (any value but 1 or 2 is 1).
PrinterDefaults ReadPrinterDefaults();
