// What every drag of the editing view shares: the pointer as it arrives, the
// view it happens in, what the view does for the drags (the host), and the
// small interface each drag mode implements. A mode is made on the press,
// shows feedback on every move and changes the document on the release,
// always through the edit path.
#pragma once

#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <QString>
#include <Qt>
#include <vector>

#include "core/EditPath.h"
#include "editor/Cursors.h"
#include "editor/Feedback.h"
#include "editor/Selection.h"

struct DragInput {
  QPoint view;    // view pixels
  QPoint client;  // client pixels
  QPoint global;  // screen pixels, for the slide list
  Qt::KeyboardModifiers mods;
};

// The slide-list thumbnail under a screen point: its slide and where the
// point lies inside it (0..1 each way); slide -1 when none.
struct SlideDrop {
  int slide = -1;
  QPointF relative;
};

// What the view does on behalf of the mouse model.
class MouseHost {
 public:
  virtual ~MouseHost() = default;
  // The selection changed: the ribbon follows the primary, the view redraws.
  virtual void RefreshSelection() = 0;
  // The status bar's information area.
  virtual void ShowInfo(const QString& text) = 0;
  // "Resizing the area makes the slide setting free; continue?" Yes is true.
  virtual bool AskFreeSlideSize() = 0;
  virtual SlideDrop SlideAt(QPoint global) = 0;
  // Objects left slide `from` for another one: its thumbnail is out of date.
  virtual void SlideChanged(int from) = 0;
  // The in-place text editor: opened on object `index` with the caret under
  // `client`, moved to `box` (client pixels), and closed, giving its text.
  virtual void OpenTextEditor(int index, QPoint client) = 0;
  virtual void MoveTextEditor(const QRect& box) = 0;
  virtual QString CloseTextEditor() = 0;
  virtual void OpenImageProperties(int index) = 0;
};

// One press-move-release of the editing view.
struct DragContext {
  EditPath& edits;
  SelectionState& sel;
  MouseHost& host;
  QPoint scroll;  // the view pixel at client (0, 0)
  QSize client;

  const Document& Doc() const { return edits.Doc(); }
  float Zoom() const;
  // The slide in view pixels.
  QSize SlideView() const;
};

class DragMode {
 public:
  virtual ~DragMode() = default;
  virtual CursorId Cursor() const = 0;
  // The pointer moved with the button held: what to draw now.
  virtual Feedback Move(DragContext& ctx, const DragInput& in) = 0;
  virtual void Release(DragContext& ctx, const DragInput& in) = 0;
  // The objects the drag changes as it goes (most change only on the
  // release); the view redraws just these over an image of the rest.
  virtual std::vector<int> LiveObjects(const Document&) const { return {}; }
};

// Both displacement components below this many pixels make a drag a click.
inline constexpr int kDragThreshold = 2;
bool IsClick(QPoint displacement);
