#include "show/RehearsalResults.h"

#include <algorithm>

int StoredSeconds(std::int64_t seconds) {
  return static_cast<int>(std::clamp<std::int64_t>(seconds, 1, kMaxSwitchSeconds));
}

QString FormatResultTime(std::int64_t seconds) {
  const std::int64_t s = std::max<std::int64_t>(0, seconds);
  const auto two = [](std::int64_t v) { return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')); };
  if (s < 3600) return two(s / 60) + ':' + two(s % 60);
  return two(s / 3600) + ':' + two(s / 60 % 60) + ':' + two(s % 60);
}

int PageCount(int slides) { return slides <= 0 ? 1 : (slides - 1) / kSlidesPerPage + 1; }

int SlidesOnPage(int slides, int page) {
  if (page < 0 || page >= PageCount(slides)) return 0;
  return std::clamp(slides - page * kSlidesPerPage, 0, kSlidesPerPage);
}

int TableSeconds(int hours, int minutes, int seconds) {
  const std::int64_t s = std::int64_t{hours} * 3600 + std::int64_t{minutes} * 60 + seconds;
  return static_cast<int>(std::clamp<std::int64_t>(s, kMinEditedSeconds, kMaxSwitchSeconds));
}

int DraggedSeconds(int start, int dx, std::int64_t total, int graphWidth) {
  const std::int64_t moved = graphWidth > 0 ? std::int64_t{dx} * total / graphWidth : 0;
  return static_cast<int>(std::clamp<std::int64_t>(start + moved, kMinEditedSeconds, kMaxSwitchSeconds));
}

RehearsalResults::RehearsalResults(ShowMode mode, std::vector<int> times)
    : mode_(mode), times_(std::move(times)), unkept_(mode == ShowMode::RehearsalMeasure) {
  for (int& t : times_) t = StoredSeconds(t);
}

std::int64_t RehearsalResults::Total() const {
  std::int64_t total = 0;
  for (int t : times_) total += t;
  return total;
}

bool RehearsalResults::NextPage() {
  if (page_ + 1 >= Pages()) return false;
  ++page_;
  return true;
}

bool RehearsalResults::PreviousPage() {
  if (page_ == 0) return false;
  --page_;
  return true;
}

void RehearsalResults::SetTime(int slide, int seconds) {
  if (slide < 0 || slide >= Count()) return;
  times_[static_cast<size_t>(slide)] = StoredSeconds(seconds);
  unkept_ = true;
}

void RehearsalResults::SetTimes(const std::vector<int>& times) {
  for (int i = 0; i < Count() && i < static_cast<int>(times.size()); ++i)
    times_[static_cast<size_t>(i)] = StoredSeconds(times[static_cast<size_t>(i)]);
  unkept_ = true;
}

std::vector<std::uint16_t> RehearsalResults::Keep() {
  std::vector<std::uint16_t> stored;
  stored.reserve(times_.size());
  for (int t : times_) stored.push_back(static_cast<std::uint16_t>(StoredSeconds(t)));
  unkept_ = false;
  return stored;
}
