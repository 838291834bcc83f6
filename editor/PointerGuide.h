// What the editing view shows for a pointer that moves with no button down:
// the cursor, the operation-guide text, the position text and the slide-size
// tip, from the ordered chain of hit tests.
#pragma once

#include <QPoint>
#include <QSize>
#include <QString>

#include "base/Color.h"
#include "editor/ConsoleControl.h"
#include "editor/Cursors.h"
#include "editor/HitTest.h"
#include "editor/Selection.h"

struct PointerScene {
  HitScene hits;
  SelectionState selection;
  ConsoleState console;
  QPoint scroll;     // view pixel at client (0, 0)
  QSize client;
  bool guideOn = true;
  int textEditing = -1;       // the object open in the in-place text editor, or -1
  bool transPicking = false;  // picking a transparent colour
  COLORREF pixel = 0;         // the colour under the pointer, for picking
};

// The rows of the chain, in the order they are tried.
enum class PointerRow {
  Outside = 1, Ring, Console, RotationCentre, ShapeHandle, ResizeHandle, RotationRadius,
  RotationCircle, Unselected, Move, Vertex, SelectedEdge, OtherEdge, SlideWidth, SlideHeight,
  Nothing, TextBox, Picking
};

struct PointerReport {
  PointerRow row = PointerRow::Nothing;
  CursorId cursor = CursorId::Arrow;
  QString guide;     // empty when the guide is off or there is nothing to say
  QString position;  // "x, y" in slide units inside the slide, else empty
  QString tip;       // "Width=%d" / "Height=%d" near the slide's right or bottom edge
  int object = -1;   // the object under the pointer, if any
  bool showConsole = false;  // the pointer reached the hidden console's disc
};

PointerReport ClassifyPointer(const PointerScene& scene, QPoint client);

// Near the slide's right edge (x) or bottom edge (y), view pixels.
bool OnSlideRightEdge(const HitScene& hits, QPoint view);
bool OnSlideBottomEdge(const HitScene& hits, QPoint view);
bool InsideSlide(const HitScene& hits, QPoint view);
