#include "editor/PageView.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <QToolTip>
#include <algorithm>
#include <utility>

#include <pthread.h>
#include <sched.h>

#include "base/MessageIds.h"
#include "base/Settings.h"
#include "core/SlideClip.h"
#include "core/SlideOps.h"
#include "core/container/WorkFolder.h"
#include "editor/PageMenu.h"
#include "render/gdi/Color.h"

namespace {

constexpr int kDragSlop = 5;
constexpr int kAutoScrollEdge = 20;
constexpr COLORREF kNumberColour = 0x7B0000;
constexpr COLORREF kInsertColour = 0xA5CEFF;
constexpr COLORREF kCurrentFrame = 0x0000FF;
constexpr COLORREF kDragOutline[] = {0xFAF7F3, 0xF2EBE5, 0xEADFD7};

const char kGuideThumbEven[] = "右クリックすると操作メニューを表示します。スライド表示パターンの変更などができます";
const char kGuideThumbOdd[] = "ドラッグ＆ドロップして、スライドの順序を変更することができます";
const char kGuideDragged[] = "ドラッグ中のスライドを";

// The highlight under the current slide: a 2 x 2 pattern.
QBrush HighlightBrush() {
  QImage pattern(2, 2, QImage::Format_RGB32);
  pattern.setPixel(0, 0, gdi::ToQRgb(0x66CCFF));
  pattern.setPixel(1, 0, gdi::ToQRgb(0xFFFFFF));
  pattern.setPixel(0, 1, gdi::ToQRgb(0xFFFFFF));
  pattern.setPixel(1, 1, gdi::ToQRgb(0x6699FF));
  return QBrush(pattern);
}

QString DropGuide(int gap) {
  const QString dragged = QString::fromUtf8(kGuideDragged);
  if (gap == 0) return dragged + QString::fromUtf8("最初のスライドにします");
  return QString::fromUtf8("%1 現在 %2枚目のスライドの後に移動します").arg(dragged).arg(gap);
}

// The calling thread runs only when no other work wants the processor, so
// drawing thumbnails never holds up the window.
void YieldToEveryone() {
  const sched_param none{};
  pthread_setschedparam(pthread_self(), SCHED_IDLE, &none);
}

}  // namespace

CPageView::CPageView(EditPath& edits, CommandRegistry& commands, PageViewHooks hooks, QWidget* parent)
    : QAbstractScrollArea(parent), edits_(edits), commands_(commands), hooks_(std::move(hooks)) {
  setObjectName(QStringLiteral("CPageView"));
  setFocusPolicy(Qt::StrongFocus);
  setFrameShape(QFrame::NoFrame);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  viewport()->setMouseTracking(true);
  connect(&edits_, &EditPath::Changed, this, &CPageView::OnEdited);
  connect(&edits_, &EditPath::Replaced, this, &CPageView::OnReplaced);
  connect(&edits_, &EditPath::Restored, this, &CPageView::OnReplaced);
  RegisterCommands();
  LayoutStrip();
}

int CPageView::Current() const { return edits_.Doc().Header().CurSlide; }
int CPageView::Count() const { return edits_.Doc().Header().SlideCount; }

bool CPageView::HasClip() const {
  const QString path = ClipboardFilePath();
  return !path.isEmpty() && QFile::exists(path);
}

void CPageView::Report(const Failure& failure) {
  if (hooks_.failed && failure.id != msg::None) hooks_.failed(failure);
}

void CPageView::RegisterCommands() {
  const auto label = [](const char* utf8) { return QString::fromUtf8(utf8); };
  const auto canAdd = [this] { return !PageItemGreyed(ID_ADD_TAIL, Count(), false); };
  const auto canPaste = [this] { return !PageItemGreyed(ID_PAGE_PASTE, Count(), HasClip()); };
  commands_.Add({ID_ADD_MAE, "ID_ADD_MAE", label("現在のスライドの前に新しいスライドを追加(&B)"),
                 [this] { AddSlide(Current()); }, canAdd});
  commands_.Add({ID_ADD_ATO, "ID_ADD_ATO", label("現在のスライドの後に新しいスライドを追加(&A)"),
                 [this] { AddSlide(Current() + 1); }, canAdd});
  commands_.Add({ID_ADD_TAIL, "ID_ADD_TAIL", label("最終スライドの後に新しいスライドを追加(&T)"),
                 [this] { AddSlide(Count()); }, canAdd});
  commands_.Add({ID_ADD_GAP, "ID_ADD_GAP", label("新しいスライドを追加(&A)"),
                 [this] { AddSlide(rightGap_ >= 0 ? rightGap_ : Count()); }, canAdd});
  commands_.Add({ID_PAGE_DELETE, "ID_PAGE_DELETE", label("削除(&D)"), [this] { DeleteCurrent(); },
                 [this] { return Count() >= 2; }});
  commands_.Add({ID_PAGE_COPY, "ID_PAGE_COPY", label("コピー(&C)"), [this] { CopyCurrent(); }, canAdd});
  commands_.Add({ID_PAGE_PASTE, "ID_PAGE_PASTE", label("貼り付け(&P)"),
                 [this] { Paste(rightGap_ >= 0 ? rightGap_ : Count()); }, canPaste});
  commands_.Add({ID_PAGE_PASTE_CUR, "ID_PAGE_PASTE_CUR", label("貼り付け(&P)"), [this] { Paste(Current()); },
                 canPaste});
  commands_.Add({ID_LIST_BACK_COL, "ID_LIST_BACK_COL", label("背景色の変更(&B)"),
                 [this] { ChooseBackColour(); }, {}});
  for (const TransitionItem& t : Transitions()) {
    commands_.Add({t.id, "ID_PATTERN", QString::fromUtf8(t.name),
                   [this, code = t.code] {
                     edits_.Apply(EditKind::Undoable, [&](Document& d) { return SetTransition(d, Current(), code); });
                   },
                   {}});
  }
}

void CPageView::OnEdited(EditKind kind) {
  if (kind != EditKind::ViewOnly) edited_.push_back(Current());
  if (layout_.count != Count()) LayoutStrip();
  ScrollToCurrent();
  viewport()->update();
}

void CPageView::OnReplaced() {
  thumbs_.Invalidate();
  if (drawing_.valid()) drawingStale_ = true;
  LayoutStrip();
  ScrollToCurrent();
}

void CPageView::LayoutStrip() {
  const DocHeader& h = edits_.Doc().Header();
  const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  layout_ = ComputePageLayout(h.SlideCount, h.SlideW, h.SlideH, size(), bar);
  const int overflow = std::max(0, layout_.scrollSize.width() - width());
  setHorizontalScrollBarPolicy(overflow > 0 ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  horizontalScrollBar()->setRange(0, overflow);
  horizontalScrollBar()->setPageStep(width());
  horizontalScrollBar()->setSingleStep(std::max(1, layout_.Step()));
  viewport()->update();
}

QPoint CPageView::StripPoint(QPoint client) const { return client + QPoint(horizontalScrollBar()->value(), 0); }

void CPageView::ScrollToCurrent() {
  if (layout_.collapsed || Current() >= layout_.count) return;
  const QRect r = layout_.Thumb(Current());
  QScrollBar* bar = horizontalScrollBar();
  const int client = viewport()->width();
  if (r.right() + 1 > bar->value() + client) bar->setValue(r.right() + 1 - client);
  else if (r.left() < bar->value()) bar->setValue(r.left());
}

void CPageView::MakeCurrent(int i) {
  edits_.Apply(EditKind::ViewOnly, [i](Document& d) { return MakeSlideCurrent(d, i); });
  ScrollToCurrent();
  viewport()->update();
}

int CPageView::SlideAtGlobal(QPoint global) const {
  const QPoint client = viewport()->mapFromGlobal(global);
  if (!viewport()->rect().contains(client)) return -1;
  return layout_.ThumbAt(StripPoint(client));
}

std::optional<QPoint> CPageView::SlidePointAtGlobal(QPoint global) const {
  const int slide = SlideAtGlobal(global);
  if (slide < 0) return std::nullopt;
  const QRect r = layout_.Thumb(slide);
  const QPoint in = StripPoint(viewport()->mapFromGlobal(global)) - r.topLeft();
  const DocHeader& h = edits_.Doc().Header();
  return QPoint(in.x() * h.SlideW / std::max(1, r.width()), in.y() * h.SlideH / std::max(1, r.height()));
}

// A full redraw (an open, an undo, a new size) is done on a worker thread
// from a copy of the document, so the list shows its frames at once; edits
// made meanwhile are drawn once the pictures have arrived.
void CPageView::SyncThumbnails() {
  if (drawing_.valid() || drawSoon_) return;
  const Document& doc = edits_.Doc();
  const QSize size(layout_.tw, layout_.th);
  if (!thumbs_.NeedsAll(doc, size, layout_.s)) {
    thumbs_.Sync(doc, size, layout_.s, edited_);
    edited_.clear();
    return;
  }
  // Started once this paint is done: the worker must not compete with the
  // window's first appearance.
  drawSoon_ = true;
  QTimer::singleShot(0, this, [this] {
    drawSoon_ = false;
    DrawAllThumbnails();
  });
}

void CPageView::DrawAllThumbnails() {
  if (drawing_.valid()) return;
  drawing_ = std::async(std::launch::async, [this, copy = edits_.Doc(), size = QSize(layout_.tw, layout_.th),
                                             scale = layout_.s] {
    YieldToEveryone();
    ThumbnailCache::Drawn drawn = thumbs_.DrawAll(copy, size, scale);
    QMetaObject::invokeMethod(this, &CPageView::AdoptThumbnails, Qt::QueuedConnection);
    return drawn;
  });
}

void CPageView::AdoptThumbnails() {
  if (!drawing_.valid()) return;
  thumbs_.Adopt(drawing_.get());
  if (std::exchange(drawingStale_, false)) thumbs_.Invalidate();
  viewport()->update();
}

void CPageView::paintEvent(QPaintEvent*) {
  const Document& doc = edits_.Doc();
  QPainter p(viewport());
  p.fillRect(viewport()->rect(), gdi::ToQColor(doc.Header().refListBack));
  if (layout_.collapsed) return;
  SyncThumbnails();
  p.translate(-horizontalScrollBar()->value(), 0);
  const int m = layout_.m;
  QFont font(QStringLiteral("Meiryo UI"));
  font.setPointSize(std::max(5, layout_.th / 20));
  p.setFont(font);
  for (int i = 0; i < layout_.count; ++i) {
    const QRect r = layout_.Thumb(i);
    const bool current = i == Current();
    if (current) p.fillRect(r.adjusted(-m, -(m - 1), m, m - 1), HighlightBrush());
    if (i < thumbs_.Count()) p.drawImage(r, thumbs_.Image(i));  // scaled while a new size is drawn
    else p.fillRect(r, Qt::white);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(gdi::ToQColor(current ? kCurrentFrame : 0), current ? 3 : 1));
    p.drawRect(r.adjusted(0, 0, -1, -1));
    p.setPen(gdi::ToQColor(kNumberColour));
    p.drawText(QRect(r.left() + 3, r.top(), r.width() - 3, r.height()), Qt::AlignLeft | Qt::AlignTop,
               QString::number(i + 1));
  }
  if (insertX_ >= 0) p.fillRect(QRect(insertX_ - 1, m, 3, layout_.th), gdi::ToQColor(kInsertColour));
  if (dragging_ && (dragAt_ - press_).manhattanLength() > 0) {
    const QRect drag(StripPoint(dragAt_) - grab_, QSize(layout_.tw, layout_.th));
    int width = 3;
    for (COLORREF c : kDragOutline) {
      p.setPen(QPen(gdi::ToQColor(c), width--));
      p.drawRect(drag.adjusted(2, 2, -3, -3));
    }
  }
}

void CPageView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  LayoutStrip();
}

void CPageView::scrollContentsBy(int, int) { viewport()->update(); }

// Tab and Shift+Tab step through the slides, not the focus chain.
bool CPageView::focusNextPrevChild(bool) { return false; }

void CPageView::Step(int delta) {
  if (layout_.collapsed) return;
  const int next = Current() + delta;
  if (next >= 0 && next < Count()) MakeCurrent(next);
}

void CPageView::keyPressEvent(QKeyEvent* event) {
  const bool ctrl = event->modifiers() & Qt::ControlModifier;
  switch (event->key()) {
    case Qt::Key_Right:
    case Qt::Key_Tab: Step(1); break;
    case Qt::Key_Left:
    case Qt::Key_Backtab: Step(-1); break;
    case Qt::Key_Home: MakeCurrent(0); break;
    case Qt::Key_End: MakeCurrent(Count() - 1); break;
    case Qt::Key_Delete: commands_.Run(ID_PAGE_DELETE); break;
    case Qt::Key_C:
      if (ctrl) commands_.Run(ID_PAGE_COPY);
      break;
    case Qt::Key_V:
      if (ctrl) commands_.Run(ID_PAGE_PASTE_CUR);
      break;
    default: QAbstractScrollArea::keyPressEvent(event);
  }
}

void CPageView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const QPoint strip = StripPoint(event->position().toPoint());
  const int i = layout_.ThumbAt(strip);
  if (i < 0) return;
  dragging_ = true;
  press_ = event->position().toPoint();
  dragAt_ = press_;
  grab_ = strip - layout_.Thumb(i).topLeft();
  viewport()->setCursor(Qt::DragMoveCursor);
  if (i != Current()) MakeCurrent(i);
}

void CPageView::mouseMoveEvent(QMouseEvent* event) {
  const QPoint client = event->position().toPoint();
  if (dragging_) Drag(client);
  else Hover(StripPoint(client));
}

void CPageView::Hover(QPoint strip) {
  const int old = insertX_;
  insertX_ = -1;
  QString tip;
  const int i = layout_.ThumbAt(strip);
  if (i >= 0) {
    tip = QString::fromUtf8("スライド %1\n[表示パターン] %2")
              .arg(i + 1)
              .arg(QString::fromUtf8(TransitionName(edits_.Doc().Header().Transition[i])));
    if (guideOn_) emit GuideChanged(QString::fromUtf8(i % 2 == 0 ? kGuideThumbEven : kGuideThumbOdd));
    viewport()->setCursor(Qt::PointingHandCursor);
  } else if (const int gap = layout_.GapAt(strip.x()); gap >= 0 && layout_.InBand(strip.y())) {
    insertX_ = std::max(1, gap * layout_.Step());
    viewport()->setCursor(Qt::ArrowCursor);
  } else {
    viewport()->setCursor(Qt::ArrowCursor);
  }
  if (tip != tip_) {
    tip_ = tip;
    if (tip_.isEmpty()) QToolTip::hideText();
    else QToolTip::showText(viewport()->mapToGlobal(strip - QPoint(horizontalScrollBar()->value(), 0)), tip_, viewport());
  }
  if (old != insertX_) viewport()->update();
}

void CPageView::Drag(QPoint client) {
  QScrollBar* bar = horizontalScrollBar();
  if (client.x() > viewport()->width() - kAutoScrollEdge) bar->setValue(bar->value() + layout_.tw);
  else if (client.x() < kAutoScrollEdge) bar->setValue(bar->value() - layout_.tw);
  dragAt_ = client;
  const int gap = layout_.GapAt(StripPoint(client).x());
  insertX_ = gap >= 0 ? std::max(1, gap * layout_.Step()) : -1;
  if (guideOn_ && gap >= 0) emit GuideChanged(DropGuide(gap));
  viewport()->update();
}

void CPageView::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint client = event->position().toPoint();
  if (event->button() == Qt::RightButton) OpenContextMenu(client, event->globalPosition().toPoint());
  if (event->button() == Qt::LeftButton && dragging_) Drop(client);
}

void CPageView::Drop(QPoint client) {
  dragging_ = false;
  insertX_ = -1;
  viewport()->unsetCursor();
  viewport()->update();
  if ((client - press_).manhattanLength() < kDragSlop) return;
  const int gap = layout_.GapAt(StripPoint(client).x());
  const int from = Current();
  edits_.Apply(EditKind::Undoable, [&](Document& d) { return MoveSlideToGap(d, from, gap); });
}

void CPageView::leaveEvent(QEvent*) {
  if (dragging_) return;
  tip_.clear();
  QToolTip::hideText();
  if (insertX_ >= 0) {
    insertX_ = -1;
    viewport()->update();
  }
}

void CPageView::OpenContextMenu(QPoint client, QPoint global) {
  const QPoint strip = StripPoint(client);
  const PageArea area = PageAreaAt(layout_, strip);
  if (area == PageArea::None) return;
  rightGap_ = area == PageArea::Gap ? layout_.GapAt(strip.x()) : -1;
  if (area == PageArea::Thumb) MakeCurrent(layout_.ThumbAt(strip));
  QMenu menu(this);
  const bool clip = HasClip();
  const std::uint16_t code = edits_.Doc().Header().Transition[Current()];
  for (const PageMenuItem& item : PageMenuItems(area)) {
    if (item.id == 0) {
      menu.addSeparator();
      continue;
    }
    QAction* action = menu.addAction(QString::fromUtf8(item.label));
    action->setData(item.id);
    action->setEnabled(!PageItemGreyed(item.id, Count(), clip) && commands_.IsEnabled(item.id));
    for (const TransitionItem& t : Transitions()) {
      if (t.id != item.id) continue;
      action->setCheckable(true);
      action->setChecked(t.code == code);
    }
  }
  if (QAction* chosen = menu.exec(global)) commands_.Run(chosen->data().toInt());
  rightGap_ = -1;
}

void CPageView::AddSlide(int at) {
  const auto time = static_cast<std::uint16_t>(std::clamp(GetInt(sys::AutoCng), 0, 0xFFFF));
  const Result<void> added = edits_.Apply(EditKind::Undoable, [&](Document& d) { return InsertSlide(d, at, time); });
  if (!added) Report(added.error());
}

// Asked first; the undo step is taken before the slide goes.
void CPageView::DeleteCurrent() {
  if (Count() < 2 || (hooks_.ask && !hooks_.ask(msg::AskDeleteSlide))) return;
  DeleteClipboardFile();
  const int slide = Current();
  edits_.Apply(EditKind::Undoable, [slide](Document& d) { return DeleteSlide(d, slide); });
  ScrollToCurrent();
  setFocus();
}

void CPageView::CopyCurrent() {
  if (const Result<void> copied = CopySlideToFile(edits_.Doc(), Current(), ClipboardFilePath()); !copied) {
    Report(copied.error());
    return;
  }
  QApplication::setOverrideCursor(Qt::WaitCursor);
  QTimer::singleShot(500, this, [] { QApplication::restoreOverrideCursor(); });
}

void CPageView::Paste(int at) {
  Result<SlideClip> clip = ReadSlideClipFile(edits_.Doc(), ClipboardFilePath());
  if (!clip) {
    Report(clip.error());
    return;
  }
  const Result<void> pasted =
      edits_.Apply(EditKind::Undoable, [&](Document& d) { return PasteSlide(d, *clip, at); });
  if (!pasted) Report(pasted.error());
}

void CPageView::ChooseBackColour() {
  if (!hooks_.chooseColor) return;
  const std::optional<COLORREF> colour = hooks_.chooseColor(edits_.Doc().Header().refListBack);
  if (!colour) return;
  edits_.Apply(EditKind::Undoable, [c = *colour](Document& d) {
    if (d.Header().refListBack == c) return false;
    d.Header().refListBack = c;
    return true;
  });
}
