// The printing choices kept in the settings store ("Insatu"), and the check
// of the sheets the user asked to print.
#pragma once

#include "base/Failure.h"
#include "base/Settings.h"
#include "export/SheetLayout.h"

namespace insatu {
inline constexpr IntSetting PaperSize{"Insatu", "PaperSize", 9};  // 9: A4
inline constexpr IntSetting Orientation{"Insatu", "Orientation", 1};  // 1 portrait, 2 landscape
inline constexpr IntSetting MarginL{"Insatu", "MarginLmm", 25};
inline constexpr IntSetting MarginR{"Insatu", "MarginRmm", 10};
inline constexpr IntSetting MarginT{"Insatu", "MarginTmm", 25};
inline constexpr IntSetting MarginB{"Insatu", "MarginBmm", 10};
inline constexpr IntSetting Hani{"Insatu", "Hani", 1};
inline constexpr IntSetting Warituke{"Insatu", "Warituke", 1};
inline constexpr IntSetting WakuAri{"Insatu", "WakuAri", 1};
inline constexpr IntSetting JunH{"Insatu", "JunH", 1};
inline constexpr IntSetting DspYohaku{"Insatu", "DspYohaku", 0};
}  // namespace insatu

// The print range ("Hani").
enum class PrintRange { All = 1, Preview = 2, Pages = 3 };

// The sheet choices as stored; a count per sheet other than 1, 2 or 6 is 1,
// a range outside 1..3 is all. Numbers are always printed.
SheetOptions ReadSheetOptions();
PrintRange ReadPrintRange();
void WriteSheetOptions(const SheetOptions& options, PrintRange range);

// The stored orientation, any value but 1 or 2 read as 1.
int ReadOrientation();

// 1-based sheets, both included.
struct SheetSpan {
  int first = 1;
  int last = 1;
};

// The sheets to print of `sheets`: all of them, the one in the preview, or
// from `start` to `end`. Failures: 30073 (preview sheet), 30074 (start),
// 30075 (end) outside 1..sheets, 30076 (end before start).
Result<SheetSpan> SheetsToPrint(PrintRange range, int sheets, int preview, int start, int end);

// The paper name the dialog shows for a paper size code; "etc." for an unknown one.
const char* PaperName(int paperSize);
