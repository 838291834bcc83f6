#include "editor/MiradoView.h"

#include <QClipboard>
#include <QDropEvent>
#include <QUrl>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QWheelEvent>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QRandomGenerator>
#include <QScreen>
#include <QScrollBar>
#include <QToolTip>
#include <algorithm>
#include <cstring>

#include "core/Document.h"
#include "geometry/ObjectFrame.h"
#include "render/SlideRenderer.h"
#include "render/ZoomConsole.h"
#include "render/gdi/Blit.h"
#include "render/gdi/Dc.h"
#include "render/glyph/GlyphCache.h"
#include "editor/MyEdit.h"
#include "editor/ObjectClipboard.h"

namespace {

QSize ScreenSize() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->size() : QSize(1920, 1080);
}

// Something the view could paste: objects, text or a picture.
bool ClipboardHasContent() { return Classify(QGuiApplication::clipboard()->mimeData()) != ClipKind::None; }

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
      glyphs_(std::make_unique<GlyphCache>()),
      mouse_(edits, sel_, consoleFlags_, *this) {
  setFocusPolicy(Qt::StrongFocus);
  setAcceptDrops(true);
  viewport()->setAcceptDrops(true);
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
         consoleFlags_.shown = true;
         edits_.Apply(EditKind::NoSnapshot, [](Document& d) { d.Header().ConsoleX = d.Header().ConsoleY = 79; });
       }},
      {ID_CONSOLE_ALWAYS, "ID_CONSOLE_ALWAYS",
       [this] {
         consoleFlags_.shown = Doc().Header().ConsoleAlways == 0;
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
  mouse_.Reset();  // the editor of the document that went is dropped, not committed
  textEdit_.reset();
  feedback_ = Feedback{};
  overlay_ = EditOverlay{};
  DropStaleSelection();  // a saved document keeps its selection; a new or opened one has none
  consoleFlags_ = ConsoleFlags{};
  transPicking_ = false;
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
  return ConsoleState::Of(Doc().Header(), viewport()->size(), consoleFlags_.shown, consoleFlags_.active);
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

void CMiradoView::SetSelection(const SelectionState& selection) {
  sel_ = selection;
  DropStaleSelection();
  emit SelectionChanged();
  Redraw();
}

void CMiradoView::OnDraw(QImage& target) {
  const Document& doc = Doc();
  const DocHeader& h = doc.Header();
  overlay_.primary = sel_.primary;
  overlay_.selectedVertex = sel_.vertex >= 0 ? sel_.vertex : -1;
  overlay_.textEditing = mouse_.TextEditing();
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
    const std::vector<int> live = mouse_.LiveObjects();
    const Result<void> drawn = live.empty() ? DrawSlide(dc, doc, ctx) : DrawOverStill(dc, ctx, live);
    if (!drawn) emit Failed(drawn.error());
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
  if (consoleFlags_.active) DrawConsoleRing(dc, c);
}

// The still objects are drawn once per drag; each step copies them and draws
// the live ones over them.
Result<void> CMiradoView::DrawOverStill(gdi::Dc& dc, const RenderContext& ctx, const std::vector<int>& live) {
  QImage& target = dc.Surface();
  if (still_.size() != target.size() || stillLeavesOut_ != live || stillOrigin_ != dc.WindowOrg()) {
    still_ = QImage(target.size(), QImage::Format_RGB32);
    still_.fill(Qt::white);
    gdi::Dc stillDc(still_);
    stillDc.SetWindowOrg(dc.WindowOrg());
    const auto isLive = [&live](int i) { return std::find(live.begin(), live.end(), i) != live.end(); };
    if (Result<void> drawn = DrawSlide(stillDc, Doc(), ctx, isLive); !drawn) return drawn;
    stillLeavesOut_ = live;
    stillOrigin_ = dc.WindowOrg();
  }
  for (int y = 0; y < target.height(); ++y)
    std::memcpy(target.scanLine(y), still_.constScanLine(y), static_cast<std::size_t>(target.width()) * 4);
  for (const int i : live) DrawObject(dc, Doc(), ctx, i);
  return {};
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
  PaintFeedback(painter, visible);
  PaintTextBoxHandles(painter, visible);
}

// The feedback goes on a copy of the area it covers, so the slide under it
// is back on the next step without drawing the slide again.
void CMiradoView::PaintFeedback(QPainter& painter, const QImage& visible) {
  if (feedback_.Empty()) return;
  const QRect area = feedbackArea_ & visible.rect();
  if (area.isEmpty()) return;
  QImage patch = visible.copy(area);
  gdi::Dc dc(patch);
  dc.SetWindowOrg(area.topLeft() + ScrollPos());
  ::PaintFeedback(dc, feedback_);
  painter.drawImage(area.topLeft(), patch);
}

void CMiradoView::PaintTextBoxHandles(QPainter& painter, const QImage& visible) {
  if (mouse_.TextEditing() < 0) return;
  Feedback handles;
  const QRect box = mouse_.TextBox();
  const QRect frame = box.adjusted(-3, -3, 3, 3);
  handles.Add(FeedbackKind::Frame, {frame.topLeft(), frame.bottomRight()}).colour = 0x7B0000;
  const Bounds b{box.left(), box.top(), box.right(), box.bottom() - 5};
  const std::array<QPoint, 8> points = TextBoxHandles(b);
  for (int h = 0; h < 8; ++h) {
    FeedbackItem& circle = handles.Add(FeedbackKind::Circle, {points[h]});
    circle.radius = h < 4 ? 5 : 4;
    circle.colour = 0x7B7B7B;
    circle.fill = 0x7B0000;
  }
  const QRect area = handles.Area().translated(-ScrollPos()) & visible.rect();
  if (area.isEmpty()) return;
  QImage patch = visible.copy(area);
  gdi::Dc dc(patch);
  dc.SetWindowOrg(area.topLeft() + ScrollPos());
  ::PaintFeedback(dc, handles);
  painter.drawImage(area.topLeft(), patch);
}

void CMiradoView::ShowFeedback(Feedback feedback) {
  const QRect old = feedbackArea_;
  feedback_ = std::move(feedback);
  feedbackArea_ = feedback_.Empty() ? QRect() : feedback_.Area().translated(-ScrollPos());
  viewport()->update(old | feedbackArea_);
}

PointerReport CMiradoView::Classify(QPoint client) const {
  PointerScene scene{Scene(), sel_, Console(), ScrollPos(), viewport()->size()};
  scene.guideOn = guideOn_;
  scene.textEditing = mouse_.TextEditing();
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
    consoleFlags_.shown = true;
    Redraw();
  }
  if (r.row == PointerRow::Unselected) StartHover(r.object);
  else if (r.object >= 0 && r.object != hover_.Object()) StopHover();
}

DragInput CMiradoView::Input(const QMouseEvent& event) const {
  const QPoint client = event.position().toPoint();
  return {client + ScrollPos(), client, event.globalPosition().toPoint(), event.modifiers()};
}

void CMiradoView::mouseMoveEvent(QMouseEvent* event) {
  mouse_.SetGeometry(ScrollPos(), viewport()->size());
  if (mouse_.Dragging()) {
    ShowFeedback(mouse_.Move(Input(*event)));
    return;
  }
  if (event->buttons() != Qt::NoButton) return;
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
  if (event->button() != Qt::LeftButton) return;
  if (transPicking_) {
    transPicking_ = false;
    const QPoint client = event->position().toPoint();
    const COLORREF screen = QRect(QPoint(0, 0), backBuffer_.size()).contains(client)
                                ? gdi::FromQRgb(backBuffer_.pixel(client))
                                : kNoColor;
    if (hooks_.colourPicked) hooks_.colourPicked(screen, client + ScrollPos());
    ApplyPointer(Classify(client), client);
    return;
  }
  mouse_.SetGeometry(ScrollPos(), viewport()->size());
  // Qt keeps the pointer with the view from the press to the release.
  if (mouse_.Press(Input(*event))) viewport()->setCursor(cursors_.Get(mouse_.DragCursor()));
  Redraw();
}

void CMiradoView::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void CMiradoView::dragMoveEvent(QDragMoveEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void CMiradoView::dropEvent(QDropEvent* event) {
  QStringList paths;
  for (const QUrl& url : event->mimeData()->urls())
    if (url.isLocalFile()) paths << url.toLocalFile();
  if (paths.isEmpty()) return;
  event->acceptProposedAction();
  rightClick_ = event->position().toPoint() + ScrollPos();
  if (hooks_.filesDropped) hooks_.filesDropped(paths, rightClick_);
}

void CMiradoView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton) {
    OpenContextMenu(event->position().toPoint(), event->globalPosition().toPoint());
    return;
  }
  if (event->button() != Qt::LeftButton || !mouse_.Dragging()) return;
  mouse_.SetGeometry(ScrollPos(), viewport()->size());
  ShowFeedback({});  // gone before the release may ask a question
  mouse_.Release(Input(*event));
  still_ = QImage();
  stillLeavesOut_.clear();
  const QPoint client = event->position().toPoint();
  ApplyPointer(Classify(client), client);
  Redraw();
}

void CMiradoView::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  StopHover();
  mouse_.SetGeometry(ScrollPos(), viewport()->size());
  mouse_.DoubleClick(Input(*event));
  Redraw();
}

void CMiradoView::wheelEvent(QWheelEvent* event) {
  const int delta = event->angleDelta().y() != 0 ? event->angleDelta().y() : event->angleDelta().x();
  if (delta == 0) return;
  ShowFeedback({});
  mouse_.SetGeometry(ScrollPos(), viewport()->size());
  const QPoint client = event->position().toPoint();
  const DragInput in{client + ScrollPos(), client, event->globalPosition().toPoint(), event->modifiers()};
  const QPoint scroll = mouse_.Wheel(in, delta, event->buttons() & Qt::RightButton);
  horizontalScrollBar()->setValue(horizontalScrollBar()->value() + scroll.x());
  verticalScrollBar()->setValue(verticalScrollBar()->value() + scroll.y());
  event->accept();
}

void CMiradoView::RefreshSelection() {
  emit SelectionChanged();
  Redraw();
}

bool CMiradoView::AskFreeSlideSize() { return hooks_.askFreeSlideSize && hooks_.askFreeSlideSize(); }

SlideDrop CMiradoView::SlideAt(QPoint global) { return hooks_.slideAt ? hooks_.slideAt(global) : SlideDrop{}; }

void CMiradoView::SlideChanged(int from) {
  if (hooks_.slideChanged) hooks_.slideChanged(from);
}

void CMiradoView::OpenImageProperties(int index) {
  if (hooks_.openImageProperties) hooks_.openImageProperties(index);
}

void CMiradoView::OpenTextEditor(int index, QPoint client) {
  textEdit_ = std::make_unique<CMyEdit>(viewport());
  connect(textEdit_.get(), &CMyEdit::Refused, this, &CMiradoView::GuideChanged);
  const TextEditLook look = StartTextEdit(Doc(), index);
  textEdit_->Start(look, ObjectText(Doc(), index), look.box.translated(-ScrollPos()), client);
  Redraw();
}

void CMiradoView::MoveTextEditor(const QRect& box) {
  if (!textEdit_) return;
  textEdit_->hide();
  textEdit_->setGeometry(box);
  textEdit_->show();
  textEdit_->setFocus();
  Redraw();
}

QString CMiradoView::CloseTextEditor() {
  if (!textEdit_) return QString();
  const QString text = textEdit_->Text();
  textEdit_.reset();
  setFocus();
  Redraw();
  return text;
}

void CMiradoView::keyPressEvent(QKeyEvent* event) {
  mouse_.SetGeometry(ScrollPos(), viewport()->size());
  // Arrows that move something never also scroll the view.
  if (mouse_.Key(event->key(), event->modifiers())) return;
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
  if (onConsole && !consoleFlags_.shown) {
    consoleFlags_.shown = true;
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
  if (textEdit_) textEdit_->move(mouse_.TextBox().topLeft() - ScrollPos());
  Redraw();
}
