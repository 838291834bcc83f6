#include "show/ShowOverlay.h"

#include <QPainter>

#include "show/Bells.h"
#include "show/ClosingScreen.h"
#include "show/ShowEngine.h"
#include "show/ShowFont.h"
#include "show/ShowTime.h"
#include "show/Sparkle.h"

namespace {

const QColor kPickerLine(0, 33, 90);
const QColor kPickerFill(74, 130, 189);
const QColor kPickerCurrent(222, 74, 8);
const QColor kPickerText(247, 247, 222);

}  // namespace

ShowOverlay::ShowOverlay(ShowEngine& engine, ShowBitmaps bitmaps, OverlayView& view, ShowTime& time)
    : engine_(engine),
      bitmaps_(std::move(bitmaps)),
      view_(view),
      time_(time),
      menu_(engine.Settings().menuMode),
      pointer_(bitmaps_.pointers),
      penColour_(engine.Settings().penColour) {}

ShowOverlay::~ShowOverlay() {
  if (menuTimer_) time_.Cancel(menuTimer_);
}

bool ShowOverlay::Start() {
  screen_ = QImage(engine_.Screen(), QImage::Format_RGB32);
  if (screen_.isNull()) return false;
  screen_.fill(Qt::black);
  bellPicture_ = BellPicture();
  if (const int ms = MenuTimerMs(engine_.Settings().menuMode))
    menuTimer_ = time_.Once(ms, [this] {
      menuTimer_ = 0;
      HideMenu();
    });
  return true;
}

QSize ShowOverlay::ScreenSize() const { return screen_.size(); }

bool ShowOverlay::MenuDrawn() const {
  return menu_.Visible() || (engine_.AtClosingScreen() && engine_.ClosingMessageShown() &&
                             !ClosingLines(engine_.Settings().endText).empty());
}

// Everything but the pointer, inside `clip`; the caller takes the pointer
// off first and puts it back after.
void ShowOverlay::Compose(QRect clip, bool clear) {
  QPainter painter(&screen_);
  painter.setClipRect(clip);
  if (clear) painter.fillRect(clip, Qt::black);
  if (!engine_.AtClosingScreen())
    painter.drawImage(engine_.Fit().offset, engine_.CurrentImage());
  else if (engine_.ClosingMessageShown())
    DrawClosingMessage(painter, ScreenSize(), engine_.Settings().endText);
  if (MenuDrawn()) DrawMenu(painter);
  if (picker_.IsOpen()) DrawPicker(painter);
  if (engine_.BellPictureVisible() && !bellPicture_.isNull())
    painter.drawImage(BellPicturePosition(ScreenSize().height()), bellPicture_);
}

void ShowOverlay::DrawMenu(QPainter& painter) const {
  const QSize screen = ScreenSize();
  painter.drawImage(MenuRect(screen).topLeft(), bitmaps_.menu, kMenuStripSource);
  const int lit = menu_.Highlighted();
  if (lit >= 0) painter.drawImage(MenuHighlightTarget(lit, screen), bitmaps_.menu, MenuHighlightSource(lit));
}

void ShowOverlay::DrawPicker(QPainter& painter) const {
  painter.save();
  painter.setFont(ShowFont(11));
  painter.setPen(kPickerText);
  for (const PickerBox& box : picker_.Boxes(ScreenSize(), engine_.Index())) {
    painter.fillRect(box.rect, kPickerLine);
    painter.fillRect(box.rect.adjusted(1, 1, -1, -1), box.current ? kPickerCurrent : kPickerFill);
    painter.drawText(box.rect, Qt::AlignCenter | Qt::TextSingleLine, box.label);
  }
  painter.restore();
}

// The sparkle is drawn only until a stroke starts.
QRect ShowOverlay::DrawPointer() {
  if (!pointer_.Shown()) return QRect();
  return pointer_.Draw(screen_, cursor_, [this](QImage& screen) {
    if (sparkle_ && !pen_.Drawing())
      DrawSparkle(screen, cursor_, static_cast<std::uint32_t>(time_.NowMs()));
  });
}

void ShowOverlay::RedrawPointer() {
  QRect dirty = pointer_.Restore(screen_);
  dirty |= DrawPointer();
  view_.Flush(dirty);
}

void ShowOverlay::RepaintAll(bool clear) {
  picker_.Close();
  // Put back first: a frame that keeps the background would keep the stick too.
  pointer_.Restore(screen_);
  Compose(screen_.rect(), clear);
  DrawPointer();
  view_.Flush(screen_.rect());
}

void ShowOverlay::RepaintArea(QRect area) {
  area &= screen_.rect();
  QRect dirty = pointer_.Restore(screen_) | area;
  if (!area.isEmpty()) Compose(area, true);
  dirty |= DrawPointer();
  view_.Flush(dirty);
}

void ShowOverlay::HideMenu() {
  menu_.Hide();
  RepaintArea(MenuRect(ScreenSize()));
}

void ShowOverlay::Move(QPoint p, Qt::MouseButtons held) {
  cursor_ = p;
  const ShowMenu::Change change = menu_.Move(p, ScreenSize());
  if (change.tooltipOff) view_.Tooltip(QString());
  if (change.tooltip >= 0) view_.Tooltip(MenuTooltip(change.tooltip));
  QRect dirty = pointer_.Restore(screen_);
  if (pointer_.Shown() && held.testFlag(Qt::RightButton))
    dirty |= pen_.Move(screen_, p, penColour_);
  if (change.repaint) {
    const QRect menu = MenuRect(ScreenSize());
    Compose(menu, true);
    dirty |= menu;
  }
  dirty |= DrawPointer();
  if (!dirty.isEmpty()) view_.Flush(dirty);
}

void ShowOverlay::Press(Qt::MouseButton button, QPoint p) {
  cursor_ = p;
  if (button != Qt::LeftButton && button != Qt::RightButton) return;
  if (const int b = MenuButtonAt(p, ScreenSize()); b >= 0) {
    RunButton(static_cast<MenuButton>(b));
    return;
  }
  if (picker_.Hits(p, ScreenSize())) {
    ClickPicker(p);
    return;
  }
  if (button == Qt::LeftButton) {
    engine_.Next();
  } else if (pointer_.Shown()) {
    sparkle_ = true;
    RedrawPointer();
  }
}

void ShowOverlay::Release(Qt::MouseButton button, QPoint p) {
  cursor_ = p;
  if (button != Qt::RightButton) return;
  if (pointer_.Shown()) {
    sparkle_ = false;
    pen_.End();
    RedrawPointer();
  } else if (!menu_.Visible() && !engine_.AtClosingScreen()) {
    view_.OpenGuide();
  }
}

void ShowOverlay::DoubleClick(Qt::MouseButton button, QPoint p) {
  cursor_ = p;
  if (button == Qt::LeftButton && engine_.AtClosingScreen()) view_.EndShow();
  if (button == Qt::RightButton) RepaintAll();
}

void ShowOverlay::Wheel(int delta) {
  if (!pointer_.Shown() || delta == 0) return;
  Act(delta < 0 ? ShowAction::PointerLarger : ShowAction::PointerSmaller);
}

void ShowOverlay::Act(ShowAction action) {
  switch (action) {
    case ShowAction::Next: engine_.Next(); break;
    case ShowAction::Previous: engine_.Previous(); break;
    case ShowAction::Erase: RepaintAll(); break;
    case ShowAction::PointerLarger:
    case ShowAction::PointerSmaller: {
      if (!pointer_.Shown()) break;
      const QRect old = pointer_.Restore(screen_);
      if (action == ShowAction::PointerLarger)
        pointer_.Grow();
      else
        pointer_.Shrink();
      view_.Flush(old | DrawPointer());
      break;
    }
    case ShowAction::End: view_.EndShow(); break;
    case ShowAction::None: break;
  }
}

void ShowOverlay::RunButton(MenuButton button) {
  switch (button) {
    case MenuButton::Next: engine_.Next(); break;
    case MenuButton::Previous: engine_.Previous(); break;
    case MenuButton::Picker: OpenPicker(); break;
    case MenuButton::Pointer: TogglePointer(); break;
    case MenuButton::Erase: RepaintAll(); break;
    case MenuButton::Colour: ChooseColour(); break;
    case MenuButton::End: view_.EndShow(); break;
  }
}

void ShowOverlay::TogglePointer() {
  const bool show = !pointer_.Shown();
  QRect dirty = pointer_.Restore(screen_);
  pointer_.SetShown(show);
  sparkle_ = false;
  pen_.End();
  view_.SetCursorHidden(show);
  view_.Flush(dirty);
  RepaintArea(MenuRect(ScreenSize()));
}

void ShowOverlay::ChooseColour() {
  view_.SetCursorHidden(false);
  const std::optional<QColor> chosen = view_.ChooseColour(penColour_);
  if (pointer_.Shown()) view_.SetCursorHidden(true);
  if (chosen && chosen->isValid()) penColour_ = *chosen;
}

// A second click on the button starts again from the first column.
void ShowOverlay::OpenPicker() {
  const QRect old = picker_.Area(ScreenSize());
  picker_.Open(engine_.Count());
  RepaintArea(old | picker_.Area(ScreenSize()));
}

void ShowOverlay::ClickPicker(QPoint p) {
  const QRect old = picker_.Area(ScreenSize());
  const int slide = picker_.Click(p, ScreenSize());
  if (slide >= 0) {
    engine_.GoTo(slide);  // the whole screen is drawn again
    return;
  }
  RepaintArea(old | picker_.Area(ScreenSize()));
}
