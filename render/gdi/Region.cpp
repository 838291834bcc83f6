// Span rows: appended freely, sorted and merged when read.
#include "render/gdi/Region.h"

#include <algorithm>

namespace gdi {

Region::Region(const QRect& clip)
    : clip_(clip.isValid() ? clip : QRect()),
      rows_(clip_.isValid() ? clip_.height() : 0),
      normalizedSize_(rows_.size(), 0) {}

void Region::NormalizeRow(Row& row) {
  std::sort(row.begin(), row.end(), [](const Span& a, const Span& b) { return a.x0 < b.x0; });
  std::size_t out = 0;
  for (const Span& s : row) {
    if (out > 0 && s.x0 <= row[out - 1].x1) {
      row[out - 1].x1 = std::max(row[out - 1].x1, s.x1);
    } else {
      row[out++] = s;
    }
  }
  row.resize(out);
}

void Region::Normalize() const {
  if (normalized_) return;
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    if (normalizedSize_[i] != rows_[i].size()) {
      NormalizeRow(rows_[i]);
      normalizedSize_[i] = static_cast<unsigned>(rows_[i].size());
    }
  }
  normalized_ = true;
}

bool Region::IsEmpty() const {
  return std::all_of(rows_.begin(), rows_.end(), [](const Row& r) { return r.empty(); });
}

bool Region::Contains(int x, int y) const {
  if (!clip_.contains(x, y)) return false;
  Normalize();
  const Row& row = rows_[y - clip_.top()];
  return std::any_of(row.begin(), row.end(), [x](const Span& s) { return s.x0 <= x && x < s.x1; });
}

void Region::AddSpan(int y, int x0, int x1) {
  if (y < clip_.top() || y > clip_.bottom()) return;
  x0 = std::max(x0, clip_.left());
  x1 = std::min(x1, clip_.right() + 1);
  if (x0 >= x1) return;
  const std::size_t i = static_cast<std::size_t>(y - clip_.top());
  Row& row = rows_[i];
  row.push_back({x0, x1});
  normalized_ = false;
  // Wide pens stamp a disc on every vertex: keep a row from growing without bound.
  if (row.size() >= 64 && row.size() >= 4 * std::size_t{normalizedSize_[i]}) {
    NormalizeRow(row);
    normalizedSize_[i] = static_cast<unsigned>(row.size());
  }
}

void Region::AddRect(int left, int top, int right, int bottom) {
  top = std::max(top, clip_.top());
  bottom = std::min(bottom, clip_.bottom() + 1);
  for (int y = top; y < bottom; ++y) AddSpan(y, left, right);
}

void Region::AddSpans(std::span<const RowSpan> spans, int dx, int dy) {
  for (const RowSpan& s : spans) AddSpan(s.y + dy, s.x0 + dx, s.x1 + dx);
}

void Region::Subtract(const Region& other) {
  Normalize();
  other.Normalize();
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    const int y = clip_.top() + static_cast<int>(i);
    if (y < other.clip_.top() || y > other.clip_.bottom() || rows_[i].empty()) continue;
    const Row& cut = other.rows_[static_cast<std::size_t>(y - other.clip_.top())];
    if (cut.empty()) continue;
    Row kept;
    std::size_t c = 0;
    for (Span s : rows_[i]) {
      while (c < cut.size() && cut[c].x1 <= s.x0) ++c;
      for (std::size_t k = c; k < cut.size() && cut[k].x0 < s.x1; ++k) {
        if (cut[k].x0 > s.x0) kept.push_back({s.x0, cut[k].x0});
        s.x0 = std::max(s.x0, cut[k].x1);
      }
      if (s.x0 < s.x1) kept.push_back(s);
    }
    rows_[i] = std::move(kept);
    normalizedSize_[i] = static_cast<unsigned>(rows_[i].size());
  }
}

}  // namespace gdi
