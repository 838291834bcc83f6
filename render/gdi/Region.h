// The pixels a fill, a pen or a flood covers: rows of half-open spans clipped to the
// surface, built up by union and difference and painted once.
#pragma once

#include <QRect>
#include <span>
#include <vector>

namespace gdi {

// A span of one row, relative to some origin: pixels x0 .. x1 - 1 of row y.
struct RowSpan {
  int y;
  int x0;
  int x1;
};

class Region {
 public:
  explicit Region(const QRect& clip);

  const QRect& Clip() const { return clip_; }
  bool IsEmpty() const;
  bool Contains(int x, int y) const;

  void AddSpan(int y, int x0, int x1);
  void AddRect(int left, int top, int right, int bottom);  // right and bottom excluded
  void AddSpans(std::span<const RowSpan> spans, int dx, int dy);
  void Subtract(const Region& other);

  // f(y, x0, x1) for every span: rows top to bottom, spans left to right, disjoint and
  // not touching.
  template <class F>
  void ForEachSpan(F&& f) const {
    Normalize();
    for (std::size_t i = 0; i < rows_.size(); ++i) {
      for (const Span& s : rows_[i]) f(clip_.top() + static_cast<int>(i), s.x0, s.x1);
    }
  }

 private:
  struct Span {
    int x0;
    int x1;
  };
  using Row = std::vector<Span>;

  static void NormalizeRow(Row& row);
  void Normalize() const;

  QRect clip_;
  mutable std::vector<Row> rows_;
  mutable std::vector<unsigned> normalizedSize_;  // each row's size when last sorted and merged
  mutable bool normalized_ = true;
};

}  // namespace gdi
