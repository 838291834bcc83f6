#include "editor/EditorMouse.h"

#include "core/Document.h"
#include "editor/ConsoleDrags.h"
#include "editor/InPlaceText.h"
#include "editor/MoveDrag.h"
#include "editor/OutlineDrags.h"
#include "editor/PivotDrags.h"
#include "editor/PointerGuide.h"
#include "editor/ResizeDrag.h"
#include "editor/RotateDrag.h"
#include "editor/RubberBandDrag.h"
#include "editor/ShapeHandleDrag.h"
#include "editor/SlideSizeDrag.h"
#include "editor/TextBoxDrag.h"
#include "geometry/Rotation.h"

namespace {

constexpr int kKeyStep = 10;

bool Free(const ObjectRecord& r, int vertex) {
  return vertex >= 0 && vertex < std::min<int>(r.PointNum, kMaxPoints) && !r.PointFixed[vertex];
}

QPoint ArrowDelta(int key, int step) {
  switch (key) {
    case Qt::Key_Left: return {-step, 0};
    case Qt::Key_Right: return {step, 0};
    case Qt::Key_Up: return {0, -step};
    case Qt::Key_Down: return {0, step};
    default: return {};
  }
}

}  // namespace

int WheelStep(Qt::KeyboardModifiers mods, bool rightButton, int delta) {
  int step = 10;
  if (rightButton) step = -10;
  else if ((mods & Qt::ControlModifier) && (mods & Qt::ShiftModifier)) step = -1;
  else if (mods & Qt::ControlModifier) step = 1;
  return delta > 0 ? -step : step;
}

EditorMouse::EditorMouse(EditPath& edits, SelectionState& sel, ConsoleFlags& console, MouseHost& host)
    : edits_(edits), sel_(sel), console_(console), host_(host) {}

EditorMouse::~EditorMouse() = default;

void EditorMouse::SetGeometry(QPoint scroll, QSize client) {
  scroll_ = scroll;
  client_ = client;
}

DragContext EditorMouse::Context() { return DragContext{edits_, sel_, host_, scroll_, client_}; }

HitScene EditorMouse::Scene() const {
  const DocHeader& h = edits_.Doc().Header();
  return HitScene{edits_.Doc(), h.Zoom, h.CurSlide, sel_.primary};
}

CursorId EditorMouse::DragCursor() const { return drag_ ? drag_->Cursor() : CursorId::Arrow; }

std::vector<int> EditorMouse::LiveObjects() const {
  return drag_ ? drag_->LiveObjects(edits_.Doc()) : std::vector<int>{};
}

void EditorMouse::Primary(int index) {
  MakePrimary(edits_.Doc(), sel_, index);
  host_.RefreshSelection();
}

void EditorMouse::Reset() {
  drag_.reset();
  textIndex_ = -1;
}

bool EditorMouse::Press(const DragInput& in) {
  if (drag_) return true;  // a second button while dragging changes nothing
  if (textIndex_ >= 0) {
    const Bounds b{textBox_.left(), textBox_.top(), textBox_.right(), textBox_.bottom() - 5};
    if (const int handle = HitTextBoxHandle(b, in.view); handle >= 0) {
      drag_ = std::make_unique<TextBoxDrag>(textBox_, handle);
      return true;
    }
    EndTextEdit();
    DeselectAll(edits_.Doc(), edits_.Doc().Header().CurSlide, sel_);
    host_.RefreshSelection();
    return false;
  }
  drag_ = PressConsole(in);
  if (drag_) return true;
  drag_ = PressHandles(in);
  if (!drag_) {
    if (const ObjectHit hit = HitObject(Scene(), in.view); hit.Hit()) drag_ = PressObject(hit, in);
    else drag_ = PressEmpty(in);
  }
  ConsoleState console = ConsoleState::Of(edits_.Doc().Header(), client_, console_.shown, console_.active);
  console.PressedElsewhere();
  console_ = {console.shown, console.active};
  return drag_ != nullptr;
}

std::unique_ptr<DragMode> EditorMouse::PressConsole(const DragInput& in) {
  const ConsoleState console = ConsoleState::Of(edits_.Doc().Header(), client_, console_.shown, console_.active);
  if (console.active && OnConsoleRing(console.centre, in.client))
    return std::make_unique<RingZoomDrag>(console.centre, in);
  const ConsolePart part = HitConsole(console.centre, in.client);
  if (part == ConsolePart::None) return nullptr;
  const float zoom = edits_.Doc().Header().Zoom;
  const int points = part == ConsolePart::ZoomIn ? 1 : part == ConsolePart::ZoomOut ? -1 : 0;
  if (points != 0) {
    const float to = StepZoom(zoom, points);
    edits_.Apply(EditKind::NoSnapshot, [to](Document& d) {
      if (d.Header().Zoom == to) return false;
      d.Header().Zoom = to;
      return true;
    });
  }
  ConsoleState pressed = console;
  pressed.PressedOnConsole();
  console_ = {pressed.shown, pressed.active};
  host_.RefreshSelection();  // the console's look and the status bar follow
  return std::make_unique<ConsoleMoveDrag>(console.centre, in);
}

std::unique_ptr<DragMode> EditorMouse::PressHandles(const DragInput& in) {
  const HitScene scene = Scene();
  if (const int i = HitRotationCentre(scene, in.view); i >= 0) {
    Primary(i);
    DragContext ctx = Context();
    return std::make_unique<RotationCentreDrag>(ctx, i, in);
  }
  if (const HandleHit h = HitShapeHandle(scene, in.view); h.index >= 0) {
    Primary(h.index);
    return std::make_unique<ShapeHandleDrag>(h.index, h.handle);
  }
  if (const HandleHit h = HitResizeHandle(scene, in.view); h.index >= 0) {
    Primary(h.index);
    DragContext ctx = Context();
    return std::make_unique<ResizeDrag>(ctx, h.index, h.handle);
  }
  if (const int i = HitRotationRadius(scene, in.view); i >= 0) {
    Primary(i);
    return std::make_unique<RotationRadiusDrag>(i);
  }
  if (const CircleHit c = HitRotationCircle(scene, in.view); c.index >= 0) {
    Primary(c.index);
    DragContext ctx = Context();
    return std::make_unique<RotateDrag>(ctx, c.index, c.centre, in);
  }
  return nullptr;
}

std::unique_ptr<DragMode> EditorMouse::PressObject(const ObjectHit& hit, const DragInput& in) {
  const Document& doc = edits_.Doc();
  const ObjectRecord& r = doc.Object(hit.index);
  const bool bothFree = hit.vertex == kEdge && Free(r, hit.edgeA) && Free(r, hit.edgeB);
  const bool sameEdge = hit.index == sel_.primary && hit.vertex == kEdge && hit.edgeA == sel_.edgeA &&
                        hit.edgeB == sel_.edgeB;
  if (sameEdge && bothFree) return std::make_unique<EdgeDrag>(hit.index, hit.edgeA, hit.edgeB);
  const ClickResult click = ClickSelect(doc, doc.Header().CurSlide, sel_, hit.index,
                                        in.mods & Qt::ControlModifier, in.mods & Qt::ShiftModifier);
  if (sel_.primary == hit.index) {
    sel_.vertex = hit.vertex;
    sel_.edgeA = hit.edgeA;
    sel_.edgeB = hit.edgeB;
  } else {
    sel_.edgeA = sel_.edgeB = -1;
  }
  host_.RefreshSelection();
  if (!click.dragMayFollow || sel_.primary != hit.index) return nullptr;
  if (r.ObjClass != objclass::Figure || hit.vertex == kBody) {
    DragContext ctx = Context();
    return std::make_unique<MoveDrag>(ctx, in);
  }
  if (hit.vertex == kEdge) {
    if (bothFree) return std::make_unique<EdgeDrag>(hit.index, hit.edgeA, hit.edgeB);
    DragContext ctx = Context();
    return std::make_unique<MoveDrag>(ctx, in);
  }
  ListVerticesNear(hit, in.view);
  if (!Free(r, hit.vertex)) return nullptr;
  return std::make_unique<VertexDrag>(hit.index, hit.vertex, in);
}

// The status bar names every vertex within reach of the press: "No 1, No 3".
void EditorMouse::ListVerticesNear(const ObjectHit& hit, QPoint view) {
  const Document& doc = edits_.Doc();
  const QPoint p = ViewToSlide(view, doc.Header().Zoom);
  const std::vector<QPoint> drawn = DrawnPoints(doc.Object(hit.index));
  QStringList names;
  for (int k = 0; k < static_cast<int>(drawn.size()); ++k)
    if (CMathSub::Distance(drawn[k], p) < kVertexReach) names << QString("No %1").arg(k + 1);
  host_.ShowInfo(names.join(", "));
}

std::unique_ptr<DragMode> EditorMouse::PressEmpty(const DragInput& in) {
  const HitScene scene = Scene();
  if (OnSlideRightEdge(scene, in.view)) return std::make_unique<SlideSizeDrag>(true, in);
  if (OnSlideBottomEdge(scene, in.view)) return std::make_unique<SlideSizeDrag>(false, in);
  DeselectAll(edits_.Doc(), edits_.Doc().Header().CurSlide, sel_);
  host_.RefreshSelection();
  return std::make_unique<RubberBandDrag>(in);
}

Feedback EditorMouse::Move(const DragInput& in) {
  if (!drag_) return {};
  DragContext ctx = Context();
  return drag_->Move(ctx, in);
}

void EditorMouse::Release(const DragInput& in) {
  if (!drag_) return;
  const std::unique_ptr<DragMode> drag = std::move(drag_);
  DragContext ctx = Context();
  drag->Release(ctx, in);
  if (const auto* box = dynamic_cast<const TextBoxDrag*>(drag.get())) textBox_ = box->Box();
}

void EditorMouse::DoubleClick(const DragInput& in) {
  const ConsoleState console = ConsoleState::Of(edits_.Doc().Header(), client_, console_.shown, console_.active);
  if (HitConsole(console.centre, in.client) != ConsolePart::None) {
    Press(in);  // a quick second click on a zoom button is a click too
    return;
  }
  drag_.reset();
  const ObjectHit hit = HitObject(Scene(), in.view);
  if (!hit.Hit() || textIndex_ >= 0) return;
  DeselectAll(edits_.Doc(), edits_.Doc().Header().CurSlide, sel_);
  Primary(hit.index);
  if (hit.cls == objclass::Image) {
    host_.OpenImageProperties(hit.index);
    return;
  }
  textIndex_ = hit.index;
  textBox_ = StartTextEdit(edits_.Doc(), hit.index).box;
  host_.OpenTextEditor(hit.index, in.client);
}

void EditorMouse::EndTextEdit() {
  if (textIndex_ < 0) return;
  const int index = std::exchange(textIndex_, -1);
  const QString text = host_.CloseTextEditor();
  CommitText(edits_, index, text);
}

QPoint EditorMouse::Wheel(const DragInput& in, int delta, bool rightButton) {
  const int step = WheelStep(in.mods, rightButton, delta);
  if (HitRotationCircle(Scene(), in.view).index >= 0) {
    WheelTurn(edits_, sel_.primary, step);
    return {};
  }
  const ConsoleState console = ConsoleState::Of(edits_.Doc().Header(), client_, console_.shown, console_.active);
  if (console.active && OnConsoleRing(console.centre, in.client)) {
    const float zoom = StepZoom(edits_.Doc().Header().Zoom, step);
    edits_.Apply(EditKind::NoSnapshot, [zoom](Document& d) { d.Header().Zoom = zoom; });
    return {};
  }
  const bool across = (in.mods & Qt::ShiftModifier) || rightButton;
  return across ? QPoint(step, 0) : QPoint(0, step);
}

bool EditorMouse::Key(int key, Qt::KeyboardModifiers mods) {
  const QPoint step = ArrowDelta(key, mods & Qt::ControlModifier ? 1 : kKeyStep);
  if (step.isNull() || drag_ || textIndex_ >= 0) return false;
  const Document& doc = edits_.Doc();
  if (console_.shown && console_.active) {
    const ConsoleState console = ConsoleState::Of(doc.Header(), client_, console_.shown, console_.active);
    const QPoint c = MovedConsoleCentre(console.centre, step, client_);
    edits_.Apply(EditKind::NoSnapshot, [c](Document& d) {
      d.Header().ConsoleX = c.x();
      d.Header().ConsoleY = c.y();
    });
    return true;
  }
  if (sel_.primary < 0) return false;
  if (sel_.vertex < 0) {
    MoveSelection(edits_, sel_.primary, step);
    return true;
  }
  const int i = sel_.primary, k = sel_.vertex;
  if (!Free(doc.Object(i), k)) return true;
  const QPoint to = DrawnVertex(doc.Object(i), k) + PixelsToUnits(step, doc.Header().Zoom);
  edits_.Apply(EditKind::NoSnapshot, [&](Document& d) { return PlaceVertex(d, i, k, to); });
  return true;
}
