// What the dialog "出張スライドショーファイル作成" shows, as text: the show
// settings summary, one row per slide, and the name it proposes.
#pragma once

#include <QString>
#include <vector>

struct DocHeader;

struct OutSummary {
  QString slides;      // "%d 枚"
  QString menu;        // "メニューを表示しない", "常に表示する", "最初の %d 秒間"
  QString repeat;      // "連続に繰り返す", "%d 回のみ"
  QString enlarge;     // "拡大しない", "拡大する"
  QString autoSwitch;  // "する", "しない"
  QString endText;     // lines broken where the message has "@"
};
OutSummary SummaryOf(const DocHeader& header);

struct OutRow {
  QString number;
  QString time;   // the slide's switching time
  QString total;  // the running total up to and with this slide
  QString pattern;
};
std::vector<OutRow> SlideRowsOf(const DocHeader& header);

// "mm:ss" below an hour, "hh:mm:ss" from an hour on.
QString DurationText(int seconds);
// The name of a stored transition value; empty for a value that names none.
QString TransitionName(int pattern);
// The file name the browse dialog proposes: that of `field`, else of the
// document's path, with ".run" for its extension.
QString PackageProposal(const QString& field, const QString& documentPath);
