// The editing view's mouse and keys as a model without widgets: presses,
// moves and releases with buttons, modifiers and points come in; the drag
// mode they start, its feedback and the changes through the edit path come
// out. The view forwards its events here, captures the mouse while a drag
// is under way and paints the feedback this model gives.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <memory>

#include "editor/ConsoleControl.h"
#include "editor/DragMode.h"
#include "editor/HitTest.h"

class EditorMouse {
 public:
  EditorMouse(EditPath& edits, SelectionState& sel, ConsoleFlags& console, MouseHost& host);
  ~EditorMouse();

  // Where the view is scrolled and how large its client area is.
  void SetGeometry(QPoint scroll, QSize client);

  // A left-button press. True when a drag began: the view captures the mouse.
  bool Press(const DragInput& in);
  // The pointer moved with the button held: the feedback to show.
  Feedback Move(const DragInput& in);
  void Release(const DragInput& in);
  void DoubleClick(const DragInput& in);

  // The wheel turned by `delta` (positive forward). Returns the pixels the
  // view should scroll (zero when the wheel turned or zoomed something).
  QPoint Wheel(const DragInput& in, int delta, bool rightButton);
  // Arrow keys; true when they moved something and must not scroll the view.
  bool Key(int key, Qt::KeyboardModifiers mods);

  bool Dragging() const { return drag_ != nullptr; }
  CursorId DragCursor() const;
  // What the drag under way changes as it goes (see DragMode::LiveObjects).
  std::vector<int> LiveObjects() const;

  // The object open in the in-place text editor (or -1) and its box, view pixels.
  int TextEditing() const { return textIndex_; }
  QRect TextBox() const { return textBox_; }
  // Commits and closes the in-place editor, if open.
  void EndTextEdit();

  // A new or opened document: no drag, no editor.
  void Reset();

 private:
  DragContext Context();
  HitScene Scene() const;
  std::unique_ptr<DragMode> PressConsole(const DragInput& in);
  std::unique_ptr<DragMode> PressHandles(const DragInput& in);
  std::unique_ptr<DragMode> PressObject(const ObjectHit& hit, const DragInput& in);
  std::unique_ptr<DragMode> PressEmpty(const DragInput& in);
  void Primary(int index);
  void ListVerticesNear(const ObjectHit& hit, QPoint view);

  EditPath& edits_;
  SelectionState& sel_;
  ConsoleFlags& console_;
  MouseHost& host_;
  QPoint scroll_;
  QSize client_;
  std::unique_ptr<DragMode> drag_;
  int textIndex_ = -1;
  QRect textBox_;
};

// The wheel's and the arrow keys' step: 10, 1 with Ctrl, -1 with Ctrl and
// Shift, -10 with the right button; a forward turn goes the other way.
int WheelStep(Qt::KeyboardModifiers mods, bool rightButton, int delta);
