#include "core/SlideOps.h"

#include <algorithm>
#include <iterator>

#include "base/MessageIds.h"
#include "core/Document.h"

namespace {

// Moves the per-slide values at `from` to `to`, those between sliding over by one.
template <typename T, std::size_t N>
void MoveEntry(T (&values)[N], int from, int to) {
  if (from < to) std::rotate(values + from, values + from + 1, values + to + 1);
  else std::rotate(values + to, values + from, values + from + 1);
}

void DeselectAll(const Document& doc) {
  for (int i = 0; i < doc.ObjCount(); ++i) doc.View(i).Selected = 0;
}

}  // namespace

Result<void> InsertSlide(Document& doc, int at, std::uint16_t switchTime) {
  DocHeader& h = doc.Header();
  if (h.SlideCount >= kMaxSlides) return Failure{msg::NoMoreCanBeAdded, QString(), MsgStyle::Info};
  at = std::clamp(at, 0, int{h.SlideCount});
  std::copy_backward(h.SwitchTime + at, h.SwitchTime + h.SlideCount, h.SwitchTime + h.SlideCount + 1);
  std::copy_backward(h.Transition + at, h.Transition + h.SlideCount, h.Transition + h.SlideCount + 1);
  h.SwitchTime[at] = switchTime;
  h.Transition[at] = 0;
  for (int i = 0; i < doc.ObjCount(); ++i)
    if (doc.Object(i).Slide >= at) ++doc.Object(i).Slide;
  ++h.SlideCount;
  DeselectAll(doc);
  h.CurSlide = static_cast<std::uint16_t>(at);
  return {};
}

bool DeleteSlide(Document& doc, int slide) {
  DocHeader& h = doc.Header();
  if (h.SlideCount < 2 || slide < 0 || slide >= h.SlideCount) return false;
  for (int i = doc.ObjCount() - 1; i >= 0; --i)
    if (doc.Object(i).Slide == slide) doc.RemoveObject(i);
  for (int i = 0; i < doc.ObjCount(); ++i)
    if (doc.Object(i).Slide > slide) --doc.Object(i).Slide;
  std::copy(h.SwitchTime + slide + 1, h.SwitchTime + h.SlideCount, h.SwitchTime + slide);
  std::copy(h.Transition + slide + 1, h.Transition + h.SlideCount, h.Transition + slide);
  --h.SlideCount;
  h.SwitchTime[h.SlideCount] = 0;
  h.Transition[h.SlideCount] = 0;
  DeselectAll(doc);
  h.CurSlide = static_cast<std::uint16_t>(std::min(slide, h.SlideCount - 1));
  return true;
}

int SlideDropTarget(int slideCount, int from, int gap) {
  if (from < 0 || from >= slideCount || gap < 0 || gap > slideCount) return -1;
  if (gap == from || gap == from + 1) return -1;
  return gap > from ? gap - 1 : gap;
}

bool MoveSlideToGap(Document& doc, int from, int gap) {
  DocHeader& h = doc.Header();
  const int to = SlideDropTarget(h.SlideCount, from, gap);
  if (to < 0) return false;
  for (int i = 0; i < doc.ObjCount(); ++i) {
    std::uint16_t& s = doc.Object(i).Slide;
    if (s == from) s = static_cast<std::uint16_t>(to);
    else if (from < to && s > from && s <= to) --s;
    else if (to < from && s >= to && s < from) ++s;
  }
  MoveEntry(h.SwitchTime, from, to);
  MoveEntry(h.Transition, from, to);
  h.CurSlide = static_cast<std::uint16_t>(to);
  return true;
}

bool MoveObjectsToSlide(Document& doc, std::span<const int> indices, int slide, QPoint offset) {
  if (slide < 0 || slide >= doc.Header().SlideCount) return false;
  bool moved = false;
  for (int index : indices) {
    if (index < 0 || index >= doc.ObjCount()) continue;
    ObjectRecord& r = doc.Object(index);
    r.Slide = static_cast<std::uint16_t>(slide);
    r.CenterX += offset.x();
    r.CenterY += offset.y();
    for (int p = 0; p < std::min<int>(r.PointNum, kMaxPoints); ++p) {
      r.Points[p].x += offset.x();
      r.Points[p].y += offset.y();
    }
    doc.View(index).Selected = 0;
    moved = true;
  }
  return moved;
}

bool SetTransition(Document& doc, int slide, std::uint16_t code) {
  DocHeader& h = doc.Header();
  if (slide < 0 || slide >= h.SlideCount || h.Transition[slide] == code) return false;
  h.Transition[slide] = code;
  return true;
}

bool MakeSlideCurrent(Document& doc, int slide) {
  DocHeader& h = doc.Header();
  if (slide < 0 || slide >= h.SlideCount) return false;
  bool changed = h.CurSlide != slide;
  for (int i = 0; i < doc.ObjCount(); ++i) changed = changed || doc.View(i).Selected;
  DeselectAll(doc);
  h.CurSlide = static_cast<std::uint16_t>(slide);
  return changed;
}
