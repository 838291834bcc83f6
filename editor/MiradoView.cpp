#include "editor/MiradoView.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QRandomGenerator>
#include <QScreen>
#include <QScrollBar>
#include <QToolTip>
#include <algorithm>

#include "core/Document.h"
#include "geometry/ObjectFrame.h"
#include "render/SlideRenderer.h"
#include "render/ZoomConsole.h"
#include "render/gdi/Blit.h"
#include "render/gdi/Dc.h"
#include "render/glyph/GlyphCache.h"

namespace {

QSize ScreenSize() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->size() : QSize(1920, 1080);
}

// Something the view could paste: objects, text or a picture.
bool ClipboardHasContent() {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  if (!data) return false;
  const QString text = data->text();
  return (!text.isEmpty() && text != "\r\n") || data->hasImage();
}

}  // namespace

void FillContextMenu(QMenu& menu, SubMenu sub, const MenuContext& ctx,
                     const std::function<bool(int)>& available) {
  for (const MenuItem& item : MenuItems(sub)) {
    if (item.id == 0) {
      menu.addSeparator();
      continue;
    }
    const ItemState state = MenuItemState(sub, item.id, ctx);
    QAction* action = menu.addAction(QString::fromUtf8(item.label));
    action->setData(item.id);
    action->setCheckable(state.checkable);
    action->setChecked(state.checked);
    action->setEnabled(!state.greyed && available(item.id));
  }
}

CMiradoView::CMiradoView(EditPath& edits, CommandRegistry& commands, QWidget* parent)
    : QAbstractScrollArea(parent),
      edits_(edits),
      commands_(commands),
      backBuffer_(ScreenSize(), QImage::Format_RGB32),
      dial_(MakeConsoleDial()),
      digits_(MakeDigitStrip()),
      glyphs_(std::make_unique<GlyphCache>()) {
  setFocusPolicy(Qt::StrongFocus);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  viewport()->setMouseTracking(true);
  connect(&hoverTimer_, &QTimer::timeout, this, &CMiradoView::HoverTick);
  connect(&edits_, &EditPath::Changed, this, &CMiradoView::OnEdited);
  connect(&edits_, &EditPath::Replaced, this, &CMiradoView::DocumentChanged);
  connect(&edits_, &EditPath::Restored, this, &CMiradoView::DocumentChanged);
  SetHoverAnimation(3, 0);
  RegisterCommands();
  DocumentChanged();
}

CMiradoView::~CMiradoView() = default;

void CMiradoView::RegisterCommands() {
  struct Row {
    int id;
    const char* name;
    std::function<void()> run;
  };
  const auto zoomTo = [this](float zoom) { return [this, zoom] { ChangeZoom(zoom); }; };
  const Row rows[] = {
      {ID_ZOOM_100, "ID_ZOOM_100", zoomTo(1.0f)},
      {ID_ZOOM_200, "ID_ZOOM_200", zoomTo(2.0f)},
      {ID_ZOOM_300, "ID_ZOOM_300", zoomTo(3.0f)},
      {ID_ZOOM_400, "ID_ZOOM_400", zoomTo(4.0f)},
      {ID_ZOOM_FIT, "ID_ZOOM_FIT",
       [this] { ChangeZoom(FitZoom(viewport()->size(), Doc().Header().SlideW, Doc().Header().SlideH)); }},
      {ID_CONSOLE_TOP_LEFT, "ID_CONSOLE_TOP_LEFT",
       [this] {
         consoleShown_ = true;
         edits_.Apply(EditKind::NoSnapshot, [](Document& d) { d.Header().ConsoleX = d.Header().ConsoleY = 79; });
       }},
      {ID_CONSOLE_ALWAYS, "ID_CONSOLE_ALWAYS",
       [this] {
         consoleShown_ = Doc().Header().ConsoleAlways == 0;
         edits_.Apply(EditKind::NoSnapshot,
                      [](Document& d) { d.Header().ConsoleAlways = d.Header().ConsoleAlways ? 0 : 1; });
       }},
      {ID_SELECT_ALL, "ID_SELECT_ALL",
       [this] {
         SelectAll(Doc(), Doc().Header().CurSlide, sel_);
         emit SelectionChanged();
         Redraw();
       }},
  };
  for (const Row& row : rows)
    commands_.Add({row.id, row.name, QString::fromUtf8(MenuItemLabel(row.id)), row.run, {}});
}

// Whoever changed the document, the view shows it as it is now.
void CMiradoView::OnEdited() {
  StopHover();
  const int primary = sel_.primary;
  DropStaleSelection();
  if (sel_.primary != primary) emit SelectionChanged();  // another slide, or the object went
  UpdateScrollRange();
  Redraw();
}

// The primary object stays only while it is still selected on the current slide.
void CMiradoView::DropStaleSelection() {
  const Document& doc = Doc();
  const int p = sel_.primary;
  if (p < 0 || p >= doc.ObjCount() || !doc.View(p).Selected || doc.Object(p).Slide != doc.Header().CurSlide)
    sel_ = SelectionState{};
}

void CMiradoView::SetHoverAnimation(int turns, int speed) {
  hoverTurns_ = turns;
  hoverTimer_.setInterval(HoverPeriodMs(speed));
}

void CMiradoView::DocumentChanged() {
  StopHover();
  overlay_ = EditOverlay{};
  DropStaleSelection();  // a saved document keeps its selection; a new or opened one has none
  consoleShown_ = consoleActive_ = transPicking_ = false;
  UpdateScrollRange();
  Redraw();
}

void CMiradoView::UpdateScrollRange() {
  const DocHeader& h = Doc().Header();
  const QSize range = Doc().ScrollRange();
  const QSize view(static_cast<int>(range.width() * h.Zoom), static_cast<int>(range.height() * h.Zoom));
  const QSize client = viewport()->size();
  horizontalScrollBar()->setRange(0, std::max(0, view.width() - client.width()));
  verticalScrollBar()->setRange(0, std::max(0, view.height() - client.height()));
  horizontalScrollBar()->setPageStep(client.width());
  verticalScrollBar()->setPageStep(client.height());
}

QPoint CMiradoView::ScrollPos() const {
  return {horizontalScrollBar()->value(), verticalScrollBar()->value()};
}

HitScene CMiradoView::Scene() const {
  const DocHeader& h = Doc().Header();
  return HitScene{Doc(), h.Zoom, h.CurSlide, sel_.primary};
}

ConsoleState CMiradoView::Console() const {
  return ConsoleState::Of(Doc().Header(), viewport()->size(), consoleShown_, consoleActive_);
}

void CMiradoView::KeepConsole(const ConsoleState& console) {
  consoleShown_ = console.shown;
  consoleActive_ = console.active;
}

void CMiradoView::SelectNewObject(int index) {
  MakePrimary(Doc(), sel_, index);
  emit SelectionChanged();
  Redraw();
}

void CMiradoView::Redraw() {
  redraw_ = true;
  viewport()->update();
}

void CMiradoView::StepSlide(int delta) { GoToSlide(Doc().Header().CurSlide + delta); }

void CMiradoView::GoToSlide(int slide) {
  const DocHeader& h = Doc().Header();
  const int next = std::clamp(slide, 0, std::max(0, h.SlideCount - 1));
  if (next == h.CurSlide) return;
  StopHover();
  // The objects left selected on the other slide keep their flags.
  sel_ = SelectionState{};
  edits_.Apply(EditKind::ViewOnly, [next](Document& d) { d.Header().CurSlide = static_cast<std::uint16_t>(next); });
  emit SelectionChanged();
}

void CMiradoView::ChangeZoom(float zoom) {
  edits_.Apply(EditKind::NoSnapshot, [zoom](Document& d) { d.Header().Zoom = ClampZoom(zoom); });
}

void CMiradoView::DeselectAll() {
  ::DeselectAll(Doc(), Doc().Header().CurSlide, sel_);
  emit SelectionChanged();
  Redraw();
}

void CMiradoView::OnDraw(QImage& target) {
  const Document& doc = Doc();
  const DocHeader& h = doc.Header();
  overlay_.primary = sel_.primary;
  overlay_.selectedVertex = sel_.vertex >= 0 ? sel_.vertex : -1;
  RenderContext ctx = RenderContext::ForEditor(doc, overlay_);
  ctx.glyphs = glyphs_.get();
  const int w = ctx.Scale(h.SlideW);
  const int ht = ctx.Scale(h.SlideH);
  const QPoint scroll = ScrollPos();
  const QSize client = target.size();

  target.fill(Qt::white);
  gdi::Dc dc(target);
  dc.SetWindowOrg(scroll);
  if (h.SlideCount > 0) {
    if (const Result<void> drawn = DrawSlide(dc, doc, ctx); !drawn) emit Failed(drawn.error());
  }
  if (const QStringList faces = glyphs_->TakeFallbackNotices(); !faces.isEmpty()) emit FontFallback(faces);

  // Whatever sticks out beyond the slide is cut by the white margin.
  if (w < client.width() + scroll.x()) dc.FillRect(QRect(w, scroll.y(), client.width() + scroll.x() - w, client.height()), kWhite);
  if (ht < client.height() + scroll.y()) dc.FillRect(QRect(scroll.x(), ht, client.width(), client.height() + scroll.y() - ht), kWhite);

  const ConsoleState console = Console();
  if (!console.Visible()) return;
  if (consoleZoom_ != h.Zoom) {
    console_ = BuildConsoleImage(dial_, digits_, h.Zoom);
    consoleZoom_ = h.Zoom;
  }
  const QPoint c = console.centre;
  dc.SetWindowOrg(QPoint(0, 0));
  gdi::TransparentBlt(dc, QRect(c - QPoint(kConsoleSize / 2, kConsoleSize / 2), console_.size()),
                      console_, console_.rect(), kTransKey);
  if (consoleActive_) DrawConsoleRing(dc, c);
}

void CMiradoView::paintEvent(QPaintEvent*) {
  const QSize client = viewport()->size();
  if (backBuffer_.width() < client.width() || backBuffer_.height() < client.height()) {
    backBuffer_ = QImage(client.expandedTo(backBuffer_.size()), QImage::Format_RGB32);
    redraw_ = true;
  }
  QImage visible(backBuffer_.bits(), client.width(), client.height(), backBuffer_.bytesPerLine(),
                 QImage::Format_RGB32);
  if (redraw_) OnDraw(visible);
  redraw_ = false;
  QPainter painter(viewport());
  painter.drawImage(0, 0, visible);
  hover_.Paint(painter, ScrollPos());
}

PointerReport CMiradoView::Classify(QPoint client) const {
  PointerScene scene{Scene(), sel_, Console(), ScrollPos(), viewport()->size()};
  scene.guideOn = guideOn_;
  scene.textEditing = overlay_.textEditing;
  scene.transPicking = transPicking_;
  if (transPicking_ && QRect(QPoint(0, 0), viewport()->size()).contains(client))
    scene.pixel = gdi::FromQRgb(backBuffer_.pixel(client));
  return ClassifyPointer(scene, client);
}

void CMiradoView::ApplyPointer(const PointerReport& r, QPoint client) {
  viewport()->setCursor(cursors_.Get(r.cursor));
  if (r.position != position_) {
    position_ = r.position;
    emit PositionChanged(position_);
  }
  if (guideOn_ || r.row == PointerRow::Picking) emit GuideChanged(r.guide);
  if (r.tip != tip_) {
    tip_ = r.tip;
    if (tip_.isEmpty()) QToolTip::hideText();
  }
  if (!tip_.isEmpty()) QToolTip::showText(viewport()->mapToGlobal(client), tip_, viewport());
  if (r.showConsole) {
    consoleShown_ = true;
    Redraw();
  }
  if (r.row == PointerRow::Unselected) StartHover(r.object);
  else if (r.object >= 0 && r.object != hover_.Object()) StopHover();
}

void CMiradoView::mouseMoveEvent(QMouseEvent* event) {
  if (event->buttons() != Qt::NoButton) return;  // drags come with the mouse operations
  const QPoint client = event->position().toPoint();
  ApplyPointer(Classify(client), client);
}

void CMiradoView::leaveEvent(QEvent*) {
  StopHover();
  PointerReport outside;
  outside.row = PointerRow::Outside;
  ApplyPointer(outside, QPoint());
}

void CMiradoView::mousePressEvent(QMouseEvent* event) {
  StopHover();
  if (event->button() == Qt::LeftButton) PressLeft(event->position().toPoint(), event->modifiers());
}

void CMiradoView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton)
    OpenContextMenu(event->position().toPoint(), event->globalPosition().toPoint());
}

void CMiradoView::PressLeft(QPoint client, Qt::KeyboardModifiers mods) {
  if (overlay_.textEditing >= 0) return;
  ConsoleState console = Console();
  if (console.active && OnConsoleRing(console.centre, client)) return;
  if (const ConsolePart part = HitConsole(console.centre, client); part != ConsolePart::None) {
    if (part == ConsolePart::ZoomIn) ChangeZoom(StepZoom(Doc().Header().Zoom, 1));
    if (part == ConsolePart::ZoomOut) ChangeZoom(StepZoom(Doc().Header().Zoom, -1));
    console.PressedOnConsole();
    KeepConsole(console);
    Redraw();
    return;
  }
  if (transPicking_) return;  // picking comes with the image commands

  const HitScene scene = Scene();
  const QPoint view = client + ScrollPos();
  int handled = HitRotationCentre(scene, view);
  if (handled < 0) handled = HitShapeHandle(scene, view).index;
  if (handled < 0) handled = HitResizeHandle(scene, view).index;
  if (handled < 0) handled = HitRotationRadius(scene, view);
  if (handled < 0) handled = HitRotationCircle(scene, view).index;
  if (handled >= 0) {
    MakePrimary(Doc(), sel_, handled);
    emit SelectionChanged();
  } else if (const ObjectHit hit = HitObject(scene, view); hit.Hit()) {
    PressObject(hit, mods);
  } else if (!OnSlideRightEdge(scene, view) && !OnSlideBottomEdge(scene, view)) {
    ::DeselectAll(Doc(), Doc().Header().CurSlide, sel_);
    emit SelectionChanged();
  }
  console.PressedElsewhere();
  KeepConsole(console);
  Redraw();
}

void CMiradoView::PressObject(const ObjectHit& hit, Qt::KeyboardModifiers mods) {
  const bool sameEdge = hit.index == sel_.primary && hit.vertex == kEdge && hit.edgeA == sel_.edgeA &&
                        hit.edgeB == sel_.edgeB;
  if (sameEdge) return;  // the edge drag starts here
  ClickSelect(Doc(), Doc().Header().CurSlide, sel_, hit.index, mods & Qt::ControlModifier,
              mods & Qt::ShiftModifier);
  if (sel_.primary == hit.index) {
    sel_.vertex = hit.vertex;
    sel_.edgeA = hit.edgeA;
    sel_.edgeB = hit.edgeB;
  }
  emit SelectionChanged();
}

void CMiradoView::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_PageDown: StepSlide(1); break;
    case Qt::Key_PageUp: StepSlide(-1); break;
    case Qt::Key_Home: GoToSlide(0); break;
    case Qt::Key_End: GoToSlide(Doc().Header().SlideCount - 1); break;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      if (TabSelect(Doc(), Doc().Header().CurSlide, sel_, event->key() == Qt::Key_Backtab)) {
        emit SelectionChanged();
        Redraw();
      }
      break;
    default: QAbstractScrollArea::keyPressEvent(event);
  }
}

// Tab belongs to the selection, not to the focus chain.
bool CMiradoView::focusNextPrevChild(bool) { return false; }

void CMiradoView::OpenContextMenu(QPoint client, QPoint global) {
  StopHover();
  const QPoint view = client + ScrollPos();
  rightClick_ = view;
  const HitScene scene = Scene();
  const bool onConsole = HitConsole(Console().centre, client) != ConsolePart::None;
  const ObjectHit hit = onConsole ? ObjectHit{} : HitObject(scene, view);
  const SubMenu sub = ChooseSubMenu(Doc(), onConsole, hit, InsideSlide(scene, view));
  const int slide = Doc().Header().CurSlide;
  if (onConsole && !consoleShown_) {
    consoleShown_ = true;
    Redraw();
  } else if (!hit.Hit()) {
    DeselectAll();
  } else {
    if (!Doc().View(hit.index).Selected) ::DeselectAll(Doc(), slide, sel_);
    MakePrimary(Doc(), sel_, hit.index);
    sel_.vertex = hit.vertex;
    sel_.edgeA = hit.edgeA;
    sel_.edgeB = hit.edgeB;
    emit SelectionChanged();
    Redraw();
  }
  if (sub == SubMenu::None) return;

  QMenu menu(this);
  const MenuContext ctx{Doc(), slide, sel_, ClipboardHasContent(), transPicking_};
  FillContextMenu(menu, sub, ctx, [this](int id) { return commands_.IsEnabled(id); });
  const QPoint at(global.x() - menu.sizeHint().width() / 2, global.y());
  if (QAction* chosen = menu.exec(at)) commands_.Run(chosen->data().toInt());
}

void CMiradoView::StartHover(int object) {
  if (object == hover_.Object() || hoverTurns_ <= 0) return;
  StopHover();
  const Bounds bounds = FrameOf(Doc().Object(object), Doc().Header().Zoom).bounds;
  hover_.Start(object, HoverBox(bounds), hoverTurns_,
               QRandomGenerator::global()->bounded(359));
  hoverTimer_.start();
}

void CMiradoView::StopHover() {
  if (!hover_.Active()) return;
  viewport()->update(hover_.Area().translated(-ScrollPos()));
  hover_.Stop();
  hoverTimer_.stop();
}

void CMiradoView::HoverTick() {
  const QRect area = hover_.Area().translated(-ScrollPos());
  if (!hover_.Step()) hoverTimer_.stop();
  viewport()->update(area);
}

void CMiradoView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  UpdateScrollRange();
  Redraw();
}

void CMiradoView::scrollContentsBy(int, int) {
  StopHover();
  Redraw();
}
