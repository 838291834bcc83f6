#include "editor/CSeiretu.h"

#include <algorithm>
#include <climits>
#include <vector>

#include "core/Document.h"
#include "editor/ObjectPlacement.h"
#include "editor/Selection.h"
#include "geometry/ObjectFrame.h"
#include "geometry/Rotation.h"

namespace {

std::vector<int> SelectedIndices(const Document& doc) {
  std::vector<int> out;
  const int slide = doc.Header().CurSlide;
  for (int i = 0; i < doc.ObjCount(); ++i)
    if (doc.View(i).Selected && doc.Object(i).Slide == slide) out.push_back(i);
  return out;
}

int Start(const Bounds& b, bool horizontal) { return horizontal ? b.left : b.top; }
int End(const Bounds& b, bool horizontal) { return horizontal ? b.right : b.bottom; }
QPoint Along(int d, bool horizontal) { return horizontal ? QPoint(d, 0) : QPoint(0, d); }

// Scales the stored vertices about `origin` on one axis; false for a flat box.
bool ScaleAxis(ObjectRecord& rec, int origin, int from, int to, bool horizontal) {
  if (from == 0 || from == to) return false;
  const double s = static_cast<double>(to) / from;
  for (int k = 0; k < std::min<int>(rec.PointNum, kMaxPoints); ++k) {
    std::int32_t& v = horizontal ? rec.Points[k].x : rec.Points[k].y;
    v = origin + CMathSub::Trunc(s * (v - origin));
  }
  return true;
}

}  // namespace

bool CSeiretu::IsEnabled(const Document& doc, SeiretuOp op) {
  const int n = SelectedOnSlide(doc, doc.Header().CurSlide);
  switch (op) {
    case SeiretuOp::ToVCen:
    case SeiretuOp::ToHCen: return true;
    case SeiretuOp::ToHKin:
    case SeiretuOp::ToVKin: return n >= 3;
    default: return n >= 2;
  }
}

bool CSeiretu::Run(SeiretuOp op) {
  if (primary_ < 0 || primary_ >= doc_.ObjCount()) return false;
  switch (op) {
    case SeiretuOp::ToLeft:
    case SeiretuOp::ToRight:
    case SeiretuOp::ToTop:
    case SeiretuOp::ToBottom: return ToEdge(op);
    case SeiretuOp::ToVCen: return Centre(false);
    case SeiretuOp::ToHCen: return Centre(true);
    case SeiretuOp::ToHKin: return Spread(true);
    case SeiretuOp::ToVKin: return Spread(false);
    case SeiretuOp::SameW: return SameSize(true, false);
    case SeiretuOp::SameH: return SameSize(false, true);
    case SeiretuOp::SameWH: return SameSize(true, true);
  }
  return false;
}

bool CSeiretu::ToEdge(SeiretuOp op) {
  const float zoom = doc_.Header().Zoom;
  const Bounds ref = UnitBox(doc_.Object(primary_), zoom);
  const auto edge = [op](const Bounds& b) {
    switch (op) {
      case SeiretuOp::ToLeft: return b.left;
      case SeiretuOp::ToRight: return b.right;
      case SeiretuOp::ToTop: return b.top;
      default: return b.bottom;
    }
  };
  const bool horizontal = op == SeiretuOp::ToLeft || op == SeiretuOp::ToRight;
  bool moved = false;
  for (int i : SelectedIndices(doc_)) {
    if (i == primary_) continue;
    const int d = edge(ref) - edge(UnitBox(doc_.Object(i), zoom));
    if (d == 0) continue;
    Translate(doc_.Object(i), Along(d, horizontal));
    moved = true;
  }
  return moved;
}

bool CSeiretu::Centre(bool horizontal) {
  const float zoom = doc_.Header().Zoom;
  const std::vector<int> chosen = SelectedIndices(doc_);
  if (chosen.empty()) return false;
  int low = INT_MAX;
  int high = INT_MIN;
  for (int i : chosen) {
    const Bounds b = FrameOf(doc_.Object(i), zoom).bounds;
    low = std::min(low, Start(b, horizontal));
    high = std::max(high, End(b, horizontal));
  }
  const DocHeader& h = doc_.Header();
  const int extent = ToView(horizontal ? h.SlideW : h.SlideH, zoom);
  const int pixels = (extent + low - high) / 2 - low;
  const int d = CMathSub::Trunc(pixels / static_cast<double>(zoom));
  if (d == 0) return false;
  for (int i : chosen) Translate(doc_.Object(i), Along(d, horizontal));
  return true;
}

bool CSeiretu::Spread(bool horizontal) {
  const float zoom = doc_.Header().Zoom;
  struct Item {
    int index;
    Bounds box;
  };
  std::vector<Item> items;
  for (int i : SelectedIndices(doc_)) items.push_back({i, UnitBox(doc_.Object(i), zoom)});
  const int n = static_cast<int>(items.size());
  if (n < 3) return false;
  long long sum = 0;
  for (const Item& it : items) sum += End(it.box, horizontal) - Start(it.box, horizontal);
  // Stable: equal starts keep table order.
  std::stable_sort(items.begin(), items.end(), [horizontal](const Item& a, const Item& b) {
    return Start(a.box, horizontal) < Start(b.box, horizontal);
  });
  const int first = Start(items.front().box, horizontal);
  const Item& last = items.back();
  const long long span = Start(last.box, horizontal) + (End(last.box, horizontal) - Start(last.box, horizontal));
  const int gap = CMathSub::Trunc(static_cast<double>(span - first - sum) / (n - 1));
  bool moved = false;
  int edge = End(items.front().box, horizontal);
  for (int k = 1; k < n - 1; ++k) {
    const Bounds& b = items[k].box;
    const int d = edge + gap - Start(b, horizontal);
    edge = End(b, horizontal) + d;
    if (d == 0) continue;
    Translate(doc_.Object(items[k].index), Along(d, horizontal));
    moved = true;
  }
  return moved;
}

bool CSeiretu::SameSize(bool width, bool height) {
  const float zoom = doc_.Header().Zoom;
  const Bounds ref = UnitBox(doc_.Object(primary_), zoom);
  bool changed = false;
  for (int i : SelectedIndices(doc_)) {
    if (i == primary_) continue;
    ObjectRecord& rec = doc_.Object(i);
    const Bounds b = UnitBox(rec, zoom);
    bool scaled = false;
    if (width) scaled |= ScaleAxis(rec, b.left, b.right - b.left, ref.right - ref.left, true);
    if (height) scaled |= ScaleAxis(rec, b.top, b.bottom - b.top, ref.bottom - ref.top, false);
    if (!scaled) continue;
    PushInsideSlide(rec, doc_.Header());
    changed = true;
  }
  return changed;
}
