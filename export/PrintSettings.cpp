#include "export/PrintSettings.h"

#include <iterator>

#include "base/MessageIds.h"

namespace {

constexpr const char* kPaperNames[] = {
    "Letter, 81/2x11inch",          "LetterSmall, 81/2x11inch",       "Tabloid, 11x17inch",
    "Ledger, 17x11inch",            "Legal, 81/2x14inch",             "Statement, 51/2x81/2inch",
    "Executive, 71/4x101/2inch",    "A3Sheet, 297x420mm",             "A4Sheet, 210x297mm",
    "A4smallSheet, 210x297mm",      "A5Sheet, 148x210mm",             "B4Sheet, 250x354mm",
    "B5Sheet, 182x257mm",           "Folio, 81/2x13inch",             "Quarto, 215x275mm",
    "10x14inchSheet",               "11x17inchSheet",                 "Note, 81/2x11inch",
    "#9Envelope, 37/8x87/8inch",    "#10Envelope, 41/8x91/2inch",     "#11Envelope, 41/2x103/8inch",
    "#12Envelope, 43/4x11inch",     "#14Envelope, 5x111/2inch",       "CSheet, 17x22inch",
    "DSheet, 22x34inch",            "ESheet, 34x44inch",              "DLEnvelope, 110x220mm",
    "C5Envelope, 162x229mm",        "C3Envelope, 324x458mm",          "C4Envelope, 229x324mm",
    "C6Envelope, 114x162mm",        "C65Envelope, 114x229mm",         "B4Envelope, 250x353mm",
    "B5Envelope, 176x250mm",        "B6Envelope, 176x125mm",          "ItalyEnvelope, 110x230mm",
    "MonarchEnvelope, 37/8x71/2inch", "63/4Envelope, 35/8x61/2inch",  "USStdFanfold, 147/8x11inch",
    "GermanStdFanfold, 81/2x12inch", "GermanLegalFanfold, 81/2x13inch",
};

bool InSheets(int page, int sheets) { return page >= 1 && page <= sheets; }

}  // namespace

SheetOptions ReadSheetOptions() {
  SheetOptions o;
  const int perSheet = GetInt(insatu::Warituke);
  o.perSheet = (perSheet == 2 || perSheet == 6) ? perSheet : 1;
  o.acrossFirst = GetInt(insatu::JunH) != 0;
  o.frame = GetInt(insatu::WakuAri) != 0;
  o.margins = {GetInt(insatu::MarginL), GetInt(insatu::MarginT), GetInt(insatu::MarginR), GetInt(insatu::MarginB)};
  return o;
}

PrintRange ReadPrintRange() {
  const int range = GetInt(insatu::Hani);
  return (range == 2 || range == 3) ? static_cast<PrintRange>(range) : PrintRange::All;
}

void WriteSheetOptions(const SheetOptions& o, PrintRange range) {
  SettingsBatch store;
  store.WriteInt(insatu::Hani, static_cast<int>(range));
  store.WriteInt(insatu::Warituke, o.perSheet);
  store.WriteInt(insatu::WakuAri, o.frame ? 1 : 0);
  store.WriteInt(insatu::MarginL, o.margins.left);
  store.WriteInt(insatu::MarginR, o.margins.right);
  store.WriteInt(insatu::MarginT, o.margins.top);
  store.WriteInt(insatu::MarginB, o.margins.bottom);
  store.WriteInt(insatu::JunH, o.acrossFirst ? 1 : 0);
}

int ReadOrientation() {
  const int orientation = GetInt(insatu::Orientation);
  return orientation == 2 ? 2 : 1;
}

Result<SheetSpan> SheetsToPrint(PrintRange range, int sheets, int preview, int start, int end) {
  switch (range) {
    case PrintRange::All: return SheetSpan{1, sheets};
    case PrintRange::Preview:
      if (!InSheets(preview, sheets)) return Failure(msg::PreviewPageUnknown);
      return SheetSpan{preview, preview};
    case PrintRange::Pages: break;
  }
  if (!InSheets(start, sheets)) return Failure(msg::PrintStartUnknown);
  if (!InSheets(end, sheets)) return Failure(msg::PrintEndUnknown);
  if (end < start) return Failure(msg::PrintEndBeforeStart);
  return SheetSpan{start, end};
}

const char* PaperName(int paperSize) {
  if (paperSize < 1 || paperSize > static_cast<int>(std::size(kPaperNames))) return "etc.";
  return kPaperNames[paperSize - 1];
}
