// The slide picker of the show menu: a column of boxes above the menu, one
// per slide up to 20 slides, else one per group of ten whose members open
// in a second column.
#pragma once

#include <QRect>
#include <QSize>
#include <QString>
#include <vector>

inline constexpr int kPickerSingleLimit = 20;  // more slides than this come in groups
inline constexpr int kPickerGroupSize = 10;
inline constexpr QSize kPickerBoxSize(59, 30);

struct PickerBox {
  QRect rect;
  QString label;
  bool current = false;  // the slide on screen, or the group that holds it
};

class SlidePicker {
 public:
  enum class Column { Closed, Slides, Groups, Members };

  // Opens the first column for `count` slides; nothing opens without slides.
  void Open(int count);
  void Close() { column_ = Column::Closed; }
  Column State() const { return column_; }
  bool IsOpen() const { return column_ != Column::Closed; }

  // The boxes of the open column, top first; `current` is the slide on screen.
  std::vector<PickerBox> Boxes(QSize screen, int current) const;
  // Everything the open column covers (empty when closed).
  QRect Area(QSize screen) const;

  // A click at `p`. On a slide: closes and returns it (0-based). On a group:
  // opens its members and returns -1. Elsewhere: -1, nothing changes.
  int Click(QPoint p, QSize screen);
  // Whether `p` is on a box of the open column.
  bool Hits(QPoint p, QSize screen) const { return BoxAt(p, screen) >= 0; }

 private:
  int Entries() const;
  int BoxAt(QPoint p, QSize screen) const;
  QRect BoxRect(int k, QSize screen) const;
  int SlideOf(int k) const;

  Column column_ = Column::Closed;
  int count_ = 0;
  int first_ = 0;  // the first slide of the open group
};
