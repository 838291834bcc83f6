// Small documents for the editing-view tests: figures built from point lists.
#pragma once

#include <initializer_list>

#include "core/Document.h"
#include "editor/HitTest.h"
#include "geometry/MathSub.h"
#include "tests/render/RenderFixtures.h"

namespace editorfixtures {

// A figure of `kind` through `points`, outlined, rotation centre at the middle.
inline ObjectRecord Shape(std::uint16_t kind, std::initializer_list<QPoint> points, int slide = 0) {
  ObjectRecord o = renderfixtures::Box(QRect(0, 0, 10, 10), 0xFFFFFF, 0x000000, slide);
  o.ObjKind = kind;
  o.PointNum = static_cast<std::uint16_t>(points.size());
  int i = 0;
  for (const QPoint& p : points) o.Points[i++] = {p.x(), p.y()};
  const Bounds b = CMathSub::BoundingRect(std::vector<QPoint>(points));
  o.CenterX = (b.left + b.right) / 2;
  o.CenterY = (b.top + b.bottom) / 2;
  return o;
}

inline ObjectRecord Rect(std::uint16_t cls, std::uint16_t kind, QRect r, int slide = 0) {
  ObjectRecord o = renderfixtures::Box(r, 0xFFFFFF, 0x000000, slide);
  o.ObjClass = cls;
  o.ObjKind = kind;
  return o;
}

// The standard slide, the console hidden and no vertex numbers.
inline void Reset(Document& doc) {
  renderfixtures::Reset(doc, 2);
  doc.Header().ConsoleAlways = 0;
  doc.Header().ShowPointNo = 0;
}

inline int Add(Document& doc, const ObjectRecord& r, bool selected = false) {
  const int i = *doc.AddObject(r);
  doc.View(i).Selected = selected ? 1 : 0;
  return i;
}

inline HitScene Scene(const Document& doc, int primary = -1) {
  return HitScene{doc, doc.Header().Zoom, doc.Header().CurSlide, primary};
}

}  // namespace editorfixtures
