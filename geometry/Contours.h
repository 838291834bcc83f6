// Splitting one vertex list into the closed contours it holds.
#pragma once

#include <QPoint>
#include <span>
#include <vector>

// A closed contour: count points from first, the last one equal to the first.
struct Contour {
  int first = 0;
  int count = 0;
  friend bool operator==(const Contour&, const Contour&) = default;
};

// A contour ends at the first later vertex equal to its start. In a curved list
// only every third vertex can close one, and the next starts three vertices
// later (the two between are connector controls). Points after the last closed
// contour belong to none; an empty result means nothing closed.
std::vector<Contour> SplitContours(std::span<const QPoint> pts, bool curved);

// Even-odd over the closed contours of a list, each closed on itself, so that the
// step from one contour to the next is no edge and a hole (the inside of 口) is
// outside. A list without a closed contour is one polygon closed back to its start.
bool PointInContours(std::span<const QPoint> pts, bool curved, QPoint p);
