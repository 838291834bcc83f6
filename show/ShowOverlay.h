// What the presenter works on top of the slides: the corner menu, the slide
// picker, the pointer stick with its sparkle, and the pen. It keeps the
// picture of the whole screen, so the stick can put back what it covered,
// and turns the show's mouse and keys into engine calls.
#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <optional>

#include "show/PenStroke.h"
#include "show/PointerStick.h"
#include "show/ShowBitmaps.h"
#include "show/ShowKeyMap.h"
#include "show/ShowMenu.h"
#include "show/SlidePicker.h"

class ShowEngine;
class ShowTime;

// What the overlay asks of its window.
class OverlayView {
 public:
  virtual ~OverlayView() = default;
  // The screen picture changed inside `rect`.
  virtual void Flush(QRect rect) = 0;
  // A menu button's tooltip; an empty text takes it away.
  virtual void Tooltip(const QString& text) = 0;
  virtual void SetCursorHidden(bool hidden) = 0;
  // The colour dialog; nothing when cancelled.
  virtual std::optional<QColor> ChooseColour(QColor current) = 0;
  // The short guide at the cursor; returns when it has closed.
  virtual void OpenGuide() = 0;
  virtual void EndShow() = 0;
};

class ShowOverlay {
 public:
  ShowOverlay(ShowEngine& engine, ShowBitmaps bitmaps, OverlayView& view, ShowTime& time);
  ~ShowOverlay();
  ShowOverlay(const ShowOverlay&) = delete;
  ShowOverlay& operator=(const ShowOverlay&) = delete;

  // Makes the screen picture (false when there is no memory for it) and
  // starts the menu's timer.
  bool Start();
  const QImage& Screen() const { return screen_; }

  // The whole screen drawn anew: the picker closes and pen strokes go.
  // Without `clear` the black background is kept (transition frames).
  void RepaintAll(bool clear = true);
  // Part of the screen drawn anew.
  void RepaintArea(QRect area);

  void Press(Qt::MouseButton button, QPoint p);
  void Release(Qt::MouseButton button, QPoint p);
  void DoubleClick(Qt::MouseButton button, QPoint p);
  void Move(QPoint p, Qt::MouseButtons held);
  // Wheel steps: negative towards the user.
  void Wheel(int delta);
  void Act(ShowAction action);
  void RunButton(MenuButton button);

  const ShowMenu& Menu() const { return menu_; }
  const SlidePicker& Picker() const { return picker_; }
  const PointerStick& Pointer() const { return pointer_; }
  bool Sparkling() const { return sparkle_; }
  bool PenDrawing() const { return pen_.Drawing(); }
  QColor PenColour() const { return penColour_; }
  QPoint Cursor() const { return cursor_; }
  void SetCursor(QPoint p) { cursor_ = p; }
  // The menu is drawn: shown, hovered, or over a closing message.
  bool MenuDrawn() const;

 private:
  QSize ScreenSize() const;
  void Compose(QRect clip, bool clear);
  void DrawMenu(QPainter& painter) const;
  void DrawPicker(QPainter& painter) const;
  QRect DrawPointer();
  void RedrawPointer();
  void TogglePointer();
  void ChooseColour();
  void OpenPicker();
  void ClickPicker(QPoint p);
  void HideMenu();

  ShowEngine& engine_;
  ShowBitmaps bitmaps_;
  OverlayView& view_;
  ShowTime& time_;
  QImage screen_;
  QImage bellPicture_;
  ShowMenu menu_;
  SlidePicker picker_;
  PointerStick pointer_;
  PenStroke pen_;
  bool sparkle_ = false;
  QColor penColour_;
  QPoint cursor_;
  int menuTimer_ = 0;
};
