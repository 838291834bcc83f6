#include "editor/SlideSizeDrag.h"

#include <algorithm>

#include "base/Settings.h"
#include "core/Document.h"
#include "geometry/ObjectFrame.h"

namespace {

constexpr int kBarWidth = 4;
constexpr int kObjectAllowance = 10;  // view pixels beyond an object's margin box
constexpr int kFreePageSize = 4;

int Along(bool width, QPoint p) { return width ? p.x() : p.y(); }

}  // namespace

int MinSlideExtent(int dpi) { return 50 * dpi * 10 / 254; }
int MaxSlideExtent(int dpi) { return 1500 * dpi * 10 / 254; }

int ObjectsExtent(const Document& doc, bool width) {
  int extent = 0;
  for (int i = 0; i < doc.ObjCount(); ++i) {
    const Bounds b = MarginBounds(doc.Object(i));
    extent = std::max(extent, width ? b.right : b.bottom);
  }
  return extent;
}

int SlideEdgeAt(const Document& doc, bool width, int pointer) {
  const float zoom = doc.Header().Zoom;
  const int dpi = width ? doc.Dpi().x : doc.Dpi().y;
  const auto px = [zoom](int units) { return CMathSub::Trunc(units * static_cast<double>(zoom)); };
  // The rotation circle's radius is in screen pixels whatever the zoom.
  int low = px(ObjectsExtent(doc, width)) + kObjectAllowance;
  for (int i = 0; i < doc.ObjCount(); ++i) {
    const ObjectRecord& r = doc.Object(i);
    low = std::max(low, px(width ? r.CenterX : r.CenterY) + r.RoundR);
  }
  low = std::max(low, px(MinSlideExtent(dpi)));
  return std::clamp(pointer, low, std::max(low, px(MaxSlideExtent(dpi))));
}

Feedback SlideSizeDrag::Move(DragContext& ctx, const DragInput& in) {
  Feedback f;
  const DocHeader& h = ctx.Doc().Header();
  const int at = SlideEdgeAt(ctx.Doc(), width_, Along(width_, in.view));
  const int units = CMathSub::Trunc(at / static_cast<double>(h.Zoom));
  const QSize area = ctx.SlideView();
  const QRect bar = width_ ? QRect(at - kBarWidth / 2, 0, kBarWidth, area.height())
                           : QRect(0, at - kBarWidth / 2, area.width(), kBarWidth);
  f.Add(FeedbackKind::Bar, {bar.topLeft(), bar.bottomRight() + QPoint(1, 1)}).text = QString::number(units);
  return f;
}

void SlideSizeDrag::Release(DragContext& ctx, const DragInput& in) {
  ctx.host.ShowInfo(QString());
  if (IsClick(in.view - press_)) return;
  const Document& doc = ctx.Doc();
  const bool free = doc.Header().PageSize == kFreePageSize;
  if (!free && !ctx.host.AskFreeSlideSize()) return;
  if (!free) {
    SettingsBatch batch;
    batch.WriteInt("Page", "Tate", 0);
    batch.WriteInt("Page", "Yoko", 0);
  }
  const int at = SlideEdgeAt(doc, width_, Along(width_, in.view));
  const auto units = static_cast<std::uint16_t>(CMathSub::Trunc(at / static_cast<double>(doc.Header().Zoom)));
  const bool width = width_;
  ctx.edits.Apply(EditKind::NoSnapshot, [&](Document& d) {
    d.Header().PageSize = kFreePageSize;
    (width ? d.Header().SlideW : d.Header().SlideH) = units;
  });
}
