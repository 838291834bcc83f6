// The pointer classification chain and its operation-guide texts.
#include "editor/PointerGuide.h"

#include <cstdlib>

#include "core/Document.h"
#include "geometry/ObjectFrame.h"
#include "geometry/Rotation.h"

namespace {

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

// Two texts alternate as the pointer moves: the first on odd client rows.
QString Alternate(QPoint client, const char* odd, const char* even) {
  return U(client.y() % 2 != 0 ? odd : even);
}

int SlideRight(const HitScene& h) { return ToView(h.doc.Header().SlideW, h.zoom); }
int SlideBottom(const HitScene& h) { return ToView(h.doc.Header().SlideH, h.zoom); }

PointerReport Row(PointerRow row, CursorId cursor, QString guide = {}) {
  PointerReport r;
  r.row = row;
  r.cursor = cursor;
  r.guide = std::move(guide);
  return r;
}

PointerReport ObjectRow(const PointerScene& s, const ObjectHit& hit, QPoint client) {
  const ObjectRecord& rec = s.hits.doc.Object(hit.index);
  if (!s.hits.doc.View(hit.index).Selected)
    return Row(PointerRow::Unselected, CursorId::Hand,
               U("クリックするとこのオブジェクトを選択します。右クリックすると操作メニューを表示します"));
  if (rec.ObjClass != objclass::Figure || hit.vertex == kBody)
    return Row(PointerRow::Move, CursorId::Move, U("ドラッグ＆ドロップでこのオブジェクトを移動させることができます"));
  if (hit.vertex >= 0) {
    if (rec.PointFixed[hit.vertex])
      return Row(PointerRow::Vertex, CursorId::Vertex,
                 U("この折点は固定されています。右クリックメニューで折点の固定を解除して位置変更できます"));
    return Row(PointerRow::Vertex, CursorId::Vertex,
               Alternate(client, "ドラッグ＆ドロップして、この折点を移動することができます",
                         "方向キーの操作で、この折点を移動することができます。Ctrlキー押下時は、微移動します"));
  }
  const SelectionState& sel = s.selection;
  if (hit.index == sel.primary && hit.edgeA == sel.edgeA && hit.edgeB == sel.edgeB) {
    const bool fixed = rec.PointFixed[hit.edgeA] || rec.PointFixed[hit.edgeB];
    return Row(PointerRow::SelectedEdge, CursorId::EdgeMove,
               Alternate(client, "右クリックして表示される操作メニューから折点の追加などができます",
                         fixed ? "左右の折点が（固定されていない）黄色のときは、ドラッグ＆ドロップで『辺』の移動ができます"
                               : "ドラッグ＆ドロップして、この辺の移動ができます"));
  }
  return Row(PointerRow::OtherEdge, CursorId::Hand, U("クリックすると『辺』を選択します"));
}

// Rows 2 to 16 of the chain.
PointerReport Chain(const PointerScene& s, QPoint client) {
  const QPoint view = client + s.scroll;
  ConsoleState console = s.console;
  if (console.active && OnConsoleRing(console.centre, client))
    return Row(PointerRow::Ring, CursorId::Rotate,
               Alternate(client, "回転円に沿ってドラッグして表示倍率を変更することができます。",
                         "回転円上でマウスホィールを操作して回転させることができます。Ctrlキー押下時は、1ポイント変わります。"));
  if (const ConsolePart part = HitConsole(console.centre, client); part != ConsolePart::None) {
    PointerReport r = Row(PointerRow::Console, console.active ? CursorId::Move : CursorId::Hand);
    if (part == ConsolePart::ZoomIn) r.cursor = CursorId::ZoomIn;
    if (part == ConsolePart::ZoomOut) r.cursor = CursorId::ZoomOut;
    r.showConsole = console.Show();
    return r;
  }
  if (int i = HitRotationCentre(s.hits, view); i >= 0) {
    PointerReport r = Row(PointerRow::RotationCentre, CursorId::CentreMove,
                          U("ドラッグ＆ドロップして回転円を移動させることができます"));
    r.object = i;
    return r;
  }
  if (HandleHit h = HitShapeHandle(s.hits, view); h.index >= 0)
    return Row(PointerRow::ShapeHandle, CursorId::Vertex, U("ドラッグ＆ドロップして形状を変更することができます"));
  if (HandleHit h = HitResizeHandle(s.hits, view); h.index >= 0)
    return Row(PointerRow::ResizeHandle, h.cursor, U("ドラッグ＆ドロップしてオブジェクトのサイズ変更ができます"));
  if (HitRotationRadius(s.hits, view) >= 0)
    return Row(PointerRow::RotationRadius, CursorId::Radius,
               U("←左へドラッグすると回転円の半径が小さく、→右へドラッグすると大きくなります"));
  if (HitRotationCircle(s.hits, view).index >= 0)
    return Row(PointerRow::RotationCircle, CursorId::Rotate,
               Alternate(client, "回転円に沿ってドラッグするとオブジェクトを回転させることができます。",
                         "回転円上でマウスホィールを操作して回転させることができます。Ctrlキー押下時は、1度角度を変えます。"));
  if (const ObjectHit hit = HitObject(s.hits, view); hit.Hit()) {
    PointerReport r = ObjectRow(s, hit, client);
    r.object = hit.index;
    return r;
  }
  if (OnSlideRightEdge(s.hits, view))
    return Row(PointerRow::SlideWidth, CursorId::SlideWidth,
               U("左右にドラッグ＆ドロップしてビューの幅を変更することができます"));
  if (view.x() < SlideRight(s.hits) && std::abs(view.y() - SlideBottom(s.hits)) <= 3)
    return Row(PointerRow::SlideHeight, CursorId::SlideHeight,
               U("上下にドラッグ＆ドロップしてビューの高さを変更することができます"));
  return Row(PointerRow::Nothing, CursorId::Arrow);
}

PointerReport TextBoxRow(const PointerScene& s, QPoint view) {
  const Bounds bounds = FrameOf(s.hits.doc.Object(s.textEditing), s.hits.zoom).bounds;
  const int h = HitTextBoxHandle(bounds, view);
  return Row(PointerRow::TextBox, h < 0 ? CursorId::Arrow : TextBoxCursor(h));
}

PointerReport PickingRow(const PointerScene& s, QPoint view) {
  const ObjectHit hit = HitObject(s.hits, view);
  if (hit.index < 0 || hit.index != s.hits.primary || hit.cls != objclass::Image)
    return Row(PointerRow::Picking, CursorId::Arrow);
  const COLORREF c = s.pixel;
  return Row(PointerRow::Picking, CursorId::Pen,
             QString::asprintf("RGB(%d, %d, %d)", c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF));
}

}  // namespace

bool InsideSlide(const HitScene& h, QPoint view) {
  return view.x() < SlideRight(h) && view.y() < SlideBottom(h);
}

bool OnSlideRightEdge(const HitScene& h, QPoint view) {
  return std::abs(view.x() - SlideRight(h)) < 4 && view.y() < SlideBottom(h);
}

bool OnSlideBottomEdge(const HitScene& h, QPoint view) {
  return view.x() < SlideRight(h) && std::abs(view.y() - SlideBottom(h)) < 4;
}

PointerReport ClassifyPointer(const PointerScene& s, QPoint client) {
  if (client.x() < 0 || client.y() < 0 || client.x() >= s.client.width() || client.y() >= s.client.height())
    return Row(PointerRow::Outside, CursorId::Arrow);
  const QPoint view = client + s.scroll;
  PointerReport r;
  if (s.textEditing >= 0) r = TextBoxRow(s, view);
  else if (s.transPicking) r = PickingRow(s, view);
  else r = Chain(s, client);

  if (InsideSlide(s.hits, view)) {
    const QPoint p = ViewToSlide(view, s.hits.zoom);
    r.position = QString::asprintf("%d, %d", p.x(), p.y());
  }
  if (r.row == PointerRow::TextBox || r.row == PointerRow::Picking) return r;
  if (OnSlideRightEdge(s.hits, view)) r.tip = QString::asprintf("Width=%d", s.hits.doc.Header().SlideW);
  else if (OnSlideBottomEdge(s.hits, view)) r.tip = QString::asprintf("Height=%d", s.hits.doc.Header().SlideH);
  if (!s.guideOn) r.guide.clear();
  return r;
}
