// Where slides go on a printed sheet: the content rectangle inside the
// margins, the one, two or six cells, their order, the slide fitted in each
// cell with its number below it, and how many sheets a document takes.
#pragma once

#include <QRect>
#include <QSize>
#include <QSizeF>
#include <vector>

inline constexpr int kMaxMarginMm = 50;

// Whole millimetres from the paper's edge.
struct SheetMargins {
  int left = 25;
  int top = 25;
  int right = 10;
  int bottom = 10;
  bool operator==(const SheetMargins&) const = default;
};

struct SheetOptions {
  int perSheet = 1;         // 1, 2 or 6
  bool acrossFirst = true;  // six per sheet: across each row, then down
  bool frame = true;        // a 1-pixel frame around each slide
  bool numbers = true;      // the slide's number below it
  SheetMargins margins;
};

// The smallest margins a device allows, in whole millimetres: its unprintable
// edge, truncated.
struct MarginLimits {
  int minX = 0;  // left and right
  int minY = 0;  // top and bottom
};

// Each margin brought into its limit (the device's edge .. 50 mm): what is
// shown is then what prints.
SheetMargins ClampMargins(SheetMargins m, MarginLimits limits);

// Sheets for `slides` slides at `perSheet` each; 0 for no slide.
int SheetCount(int slides, int perSheet);

// The content rectangle on a paper of `paper` pixels at `dpiX` x `dpiY`, in
// paper coordinates: each margin is measured from the paper's edge, whatever
// the device cannot print there.
QRect ContentRect(QSize paper, const SheetMargins& m, double dpiX, double dpiY);

struct SheetCell {
  int slide = 0;  // 0-based
  QRect image;    // the slide, fitted in its cell with its proportions
  QRect number;   // the band for its number, one text line directly below the image
};

// The slides of sheet `sheet` (0-based) in `content`; slides past `slideCount`
// are left out. `numberHeight` is the height of one line of the number's font.
std::vector<SheetCell> LayOutSheet(const QRect& content, QSize slide, int slideCount, int sheet,
                                   const SheetOptions& options, int numberHeight);

// The number's font size in points for `perSheet` slides per sheet.
inline int NumberPoints(int perSheet) { return 14 - perSheet; }

// The preview's paper: `paper` (any unit) fitted with its proportions into
// `area` less 28 pixels each way, centred in the area.
QRect PreviewPaperRect(const QRect& area, QSizeF paper);
