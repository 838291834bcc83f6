// The editing view's cursors: which picture each one shows and where its hot
// spot is. The hit chain names cursors by id; the view turns ids into QCursors.
#pragma once

#include <QCursor>
#include <optional>
#include <vector>

enum class CursorId {
  Arrow,        // nothing hit
  Hand,         // an unselected object or edge, the inactive console body
  Rotate,       // 329: rotation circle, console ring
  NoDrop,       // 130: ring position during a console-ring drag
  Move,         // 138: body of a selected object
  SlideHeight,  // 139: bottom edge of the slide
  SlideWidth,   // 140: right edge of the slide
  HandRed,      // 320
  Vertex,       // 339: vertex, shape handle
  Radius,       // 330: rotation-radius handle
  ZoomIn,       // 340
  ZoomOut,      // 341
  EdgeMove,     // 342: the selected edge
  CentreMove,   // 343: rotation centre
  Pen,          // 344: transparent-colour picking
  Size331, Size332, Size333, Size334, Size335, Size336, Size337, Size338,  // resize handles
  SizeNWSE, SizeNESW, SizeNS, SizeWE,  // handles of the in-place text editor
};

// The resize cursor of handle 0..7: corners 0 and 2 NW-SE, 1 and 3 NE-SW,
// 4 and 6 N-S, 5 and 7 W-E.
CursorId ResizeCursor(int handle);
// The same for the in-place text editor's handles, with the standard shapes.
CursorId TextBoxCursor(int handle);

// The picture resource of a drawn cursor (empty for standard shapes) and its hot spot.
struct CursorPicture {
  const char* resource;
  int hotX;
  int hotY;
};
CursorPicture PictureOf(CursorId id);

// The cursors, each made from its picture the first time it is wanted: most
// of them never are, and loading them all would slow the window's start.
class CursorSet {
 public:
  const QCursor& Get(CursorId id) const;

 private:
  mutable std::vector<std::optional<QCursor>> cursors_;
};
