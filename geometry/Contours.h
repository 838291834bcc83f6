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
