#include "show/SlidePicker.h"

#include <algorithm>

#include "show/ShowMenu.h"

void SlidePicker::Open(int count) {
  count_ = count;
  first_ = 0;
  if (count <= 0)
    column_ = Column::Closed;
  else
    column_ = count <= kPickerSingleLimit ? Column::Slides : Column::Groups;
}

int SlidePicker::Entries() const {
  switch (column_) {
    case Column::Slides: return count_;
    case Column::Groups: return (count_ + kPickerGroupSize - 1) / kPickerGroupSize;
    case Column::Members: return std::min(kPickerGroupSize, count_ - first_);
    case Column::Closed: break;
  }
  return 0;
}

// The column stands on the menu, 81 pixels in from its left edge.
QRect SlidePicker::BoxRect(int k, QSize screen) const {
  const QRect menu = MenuRect(screen);
  const int top = menu.top() - kPickerBoxSize.height() * Entries();
  return QRect(QPoint(menu.left() + 81, top + kPickerBoxSize.height() * k), kPickerBoxSize);
}

// Single slides run from the last at the top down to slide 1; members rise from the top.
int SlidePicker::SlideOf(int k) const {
  return column_ == Column::Slides ? count_ - 1 - k : first_ + k;
}

std::vector<PickerBox> SlidePicker::Boxes(QSize screen, int current) const {
  std::vector<PickerBox> boxes;
  const int n = Entries();
  for (int k = 0; k < n; ++k) {
    PickerBox box;
    box.rect = BoxRect(k, screen);
    if (column_ == Column::Groups) {
      const int first = k * kPickerGroupSize;
      const int last = std::min(first + kPickerGroupSize, count_) - 1;
      box.label = QStringLiteral("%1-%2").arg(first + 1).arg(last + 1);
      box.current = current >= first && current <= last;
    } else {
      box.label = QString::number(SlideOf(k) + 1);
      box.current = SlideOf(k) == current;
    }
    boxes.push_back(box);
  }
  return boxes;
}

QRect SlidePicker::Area(QSize screen) const {
  const int n = Entries();
  if (n == 0) return QRect();
  return BoxRect(0, screen).united(BoxRect(n - 1, screen));
}

int SlidePicker::BoxAt(QPoint p, QSize screen) const {
  const int n = Entries();
  for (int k = 0; k < n; ++k)
    if (BoxRect(k, screen).contains(p)) return k;
  return -1;
}

int SlidePicker::Click(QPoint p, QSize screen) {
  const int k = BoxAt(p, screen);
  if (k < 0) return -1;
  if (column_ == Column::Groups) {
    first_ = k * kPickerGroupSize;
    column_ = Column::Members;
    return -1;
  }
  const int slide = SlideOf(k);
  column_ = Column::Closed;
  return slide;
}
