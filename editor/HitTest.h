// What lies under a point of the editing view: rotation centres, shape and
// resize handles, rotation circles and objects (body, vertex or edge). Every
// test takes view pixels and looks only at objects of the current slide.
#pragma once

#include <QPoint>
#include <array>

#include "editor/Cursors.h"
#include "geometry/MathSub.h"

class Document;

// The document as the hit tests see it.
struct HitScene {
  const Document& doc;
  float zoom = 1.0f;
  int slide = 0;
  int primary = -1;  // the primary object, or -1
};

inline constexpr int kHandleReach = 5;     // handle squares reach this far each way
inline constexpr int kCentreReach = 6;     // rotation centre and circle
inline constexpr int kVertexReach = 8;     // slide units
inline constexpr int kMinEdgeReach = 4;    // view pixels an edge can always be hit from

inline constexpr int kBody = -2;  // ObjectHit::vertex for the body
inline constexpr int kEdge = -1;  // ObjectHit::vertex for an edge

struct HandleHit {
  int index = -1;   // the object, or -1
  int handle = -1;  // 0..7 resize, 0..2 shape
  CursorId cursor = CursorId::Arrow;
};

struct CircleHit {
  int index = -1;
  QPoint centre;  // the circle's centre in view pixels
};

struct ObjectHit {
  int index = -1;   // the object, or -1
  int cls = 0;      // its ObjClass
  int vertex = kBody;  // a vertex, kEdge or kBody
  int edgeA = -1;   // an edge's end vertices, the smaller first
  int edgeB = -1;
  bool Hit() const { return index >= 0; }
};

// View pixels to slide units: divided by the zoom and truncated.
QPoint ViewToSlide(QPoint view, float zoom);

// The square of ±5 around a handle, left and top edges in, right and bottom out.
bool InHandleSquare(QPoint handle, QPoint p);

int HitRotationCentre(const HitScene& scene, QPoint p);
// The lowest selected object whose shape handle holds p.
HandleHit HitShapeHandle(const HitScene& scene, QPoint p);
// The lowest selected object (not design text) whose resize handle holds p.
HandleHit HitResizeHandle(const HitScene& scene, QPoint p);
int HitRotationRadius(const HitScene& scene, QPoint p);
CircleHit HitRotationCircle(const HitScene& scene, QPoint p);
// The topmost object under p.
ObjectHit HitObject(const HitScene& scene, QPoint p);

// How near (slide units) p must come to an edge of a figure of line width
// `futosa`: the line width × zoom, but never less than kMinEdgeReach view pixels.
double EdgeReach(int futosa, float zoom);

// The handle points of the in-place text editor over `bounds` (view pixels):
// the box is the bounds with 5 added below, the points are those of the box
// inflated by 2. The hit returns the handle, or -1.
std::array<QPoint, 8> TextBoxHandles(const Bounds& bounds);
int HitTextBoxHandle(const Bounds& bounds, QPoint p);
