#include "editor/PageLayout.h"

#include <algorithm>

namespace {

void Fit(PageLayout& l, int ph, int slideW, int slideH) {
  l.m = 8;
  if (ph < 150) l.m = std::max(4, 8 + (ph - 150) / 10);
  l.th = std::max(10, ph - 2 * l.m);
  l.s = static_cast<float>(l.th) / static_cast<float>(std::max(1, slideH));
  l.tw = static_cast<int>(l.s * static_cast<float>(slideW));
}

}  // namespace

int PageLayout::ThumbAt(QPoint p) const {
  if (collapsed) return -1;
  for (int i = 0; i < count; ++i)
    if (Thumb(i).contains(p)) return i;
  return -1;
}

int PageLayout::GapAt(int x) const {
  if (collapsed) return -1;
  if (x >= 0 && x < m + 10) return 0;
  for (int i = 1; i <= count; ++i)
    if (i * Step() - m - 10 < x && x < i * Step()) return i;
  return -1;
}

PageLayout ComputePageLayout(int count, int slideW, int slideH, QSize client, int scrollBarHeight) {
  PageLayout l;
  l.count = count;
  int ph = client.height();
  if (count > 0 && ph < 50) return l;
  l.collapsed = false;
  Fit(l, ph, slideW, slideH);
  if (count * l.Step() > client.width()) {
    ph -= scrollBarHeight;
    Fit(l, ph, slideW, slideH);
  }
  l.scrollSize = QSize(count * l.Step(), ph);
  return l;
}
