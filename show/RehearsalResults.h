// The times a rehearsal's results window holds: one count of seconds per
// slide, paged twenty at a time, edited by dragging or through the time
// table, and kept within what the document's 16-bit switching times hold.
#pragma once

#include <QString>
#include <cstdint>
#include <vector>

#include "show/ShowSettings.h"

inline constexpr int kSlidesPerPage = 20;
inline constexpr int kMaxSwitchSeconds = 65535;  // the stored field is 16 bits
inline constexpr int kMinEditedSeconds = 3;       // a drag or the table gives no less

// A time as the document can hold it: 1..65535 seconds.
int StoredSeconds(std::int64_t seconds);
// "%02d:%02d" below one hour, "%02d:%02d:%02d" from one hour.
QString FormatResultTime(std::int64_t seconds);
int PageCount(int slides);
// Slides on `page` (from 0): 20, or what remains on the last page.
int SlidesOnPage(int slides, int page);
// A time typed into the table: h:m:s in seconds, kept within 3..65535.
int TableSeconds(int hours, int minutes, int seconds);
// The proposed time of a boundary dragged by `dx` pixels on a graph `graphWidth`
// pixels wide showing `total` seconds: what the tooltip shows and the release keeps.
int DraggedSeconds(int start, int dx, std::int64_t total, int graphWidth);

class RehearsalResults {
 public:
  // `times` are the measured (RehearsalMeasure) or stored (ResultsOnly)
  // seconds; each is brought into 1..65535, so what is shown is what is kept.
  RehearsalResults(ShowMode mode, std::vector<int> times);

  ShowMode Mode() const { return mode_; }
  int Count() const { return static_cast<int>(times_.size()); }
  const std::vector<int>& Times() const { return times_; }
  int Time(int slide) const { return times_[static_cast<size_t>(slide)]; }
  std::int64_t Total() const;

  int Page() const { return page_; }
  int Pages() const { return PageCount(Count()); }
  int OnPage() const { return SlidesOnPage(Count(), page_); }
  int FirstOnPage() const { return page_ * kSlidesPerPage; }
  bool NextPage();
  bool PreviousPage();

  // A drag's release or a table edit; both mark the times as not kept.
  void SetTime(int slide, int seconds);
  void SetTimes(const std::vector<int>& times);

  // Unkept: measured times not stored yet, or edits since the last keep.
  bool Unkept() const { return unkept_; }
  // What the document stores, each 1..65535; the times count as kept.
  std::vector<std::uint16_t> Keep();

 private:
  ShowMode mode_;
  std::vector<int> times_;
  int page_ = 0;
  bool unkept_ = false;
};
