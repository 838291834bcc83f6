// Splitting one vertex list into the closed contours it holds.
#include "geometry/Contours.h"

#include "geometry/MathSub.h"

std::vector<Contour> SplitContours(std::span<const QPoint> pts, bool curved) {
  std::vector<Contour> contours;
  const int n = static_cast<int>(pts.size());
  const int step = curved ? 3 : 1;
  int start = 0;
  int i = start + step;
  while (i < n) {
    if (pts[i] == pts[start]) {
      contours.push_back({start, i - start + 1});
      start = i + step;
      i = start + step;
    } else {
      i += step;
    }
  }
  return contours;
}

bool PointInContours(std::span<const QPoint> pts, bool curved, QPoint p) {
  const std::vector<Contour> contours = SplitContours(pts, curved);
  if (contours.empty()) return CMathSub::PointInPolygon(pts, p);
  bool inside = false;
  for (const Contour& c : contours)
    if (CMathSub::PointInPolygon(pts.subspan(c.first, c.count), p)) inside = !inside;
  return inside;
}
