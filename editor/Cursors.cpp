// The editing view's cursors: drawn pictures under :/cursors, and the
// standard shapes where they look the same.
#include "editor/Cursors.h"

#include <QPixmap>
#include <array>

namespace {

struct CursorRow {
  CursorId id;
  const char* resource;  // nullptr: the standard shape
  int hotX;
  int hotY;
  Qt::CursorShape shape;
};

constexpr std::array<CursorRow, 27> kCursors{{
    {CursorId::Arrow, nullptr, 0, 0, Qt::ArrowCursor},
    {CursorId::Hand, nullptr, 0, 0, Qt::PointingHandCursor},
    {CursorId::Rotate, ":/cursors/rotate.png", 16, 16, Qt::ArrowCursor},
    {CursorId::NoDrop, ":/cursors/nodrop.png", 16, 16, Qt::ArrowCursor},
    {CursorId::Move, ":/cursors/move.png", 1, 1, Qt::ArrowCursor},
    {CursorId::SlideHeight, ":/cursors/sizeheight.png", 16, 16, Qt::ArrowCursor},
    {CursorId::SlideWidth, ":/cursors/sizewidth.png", 16, 16, Qt::ArrowCursor},
    {CursorId::HandRed, ":/cursors/handred.png", 10, 1, Qt::ArrowCursor},
    {CursorId::Vertex, ":/cursors/handvertex.png", 10, 6, Qt::ArrowCursor},
    {CursorId::Radius, ":/cursors/radius.png", 16, 16, Qt::ArrowCursor},
    {CursorId::ZoomIn, ":/cursors/zoomin.png", 7, 1, Qt::ArrowCursor},
    {CursorId::ZoomOut, ":/cursors/zoomout.png", 7, 1, Qt::ArrowCursor},
    {CursorId::EdgeMove, ":/cursors/edgemove.png", 1, 1, Qt::ArrowCursor},
    {CursorId::CentreMove, ":/cursors/centremove.png", 1, 1, Qt::ArrowCursor},
    {CursorId::Pen, ":/cursors/pen.png", 2, 30, Qt::ArrowCursor},
    {CursorId::Size331, ":/cursors/size331.png", 16, 16, Qt::ArrowCursor},
    {CursorId::Size332, ":/cursors/size332.png", 16, 16, Qt::ArrowCursor},
    {CursorId::Size333, ":/cursors/size333.png", 16, 16, Qt::ArrowCursor},
    {CursorId::Size334, ":/cursors/size334.png", 16, 16, Qt::ArrowCursor},
    {CursorId::Size335, ":/cursors/size335.png", 16, 16, Qt::ArrowCursor},
    {CursorId::Size336, ":/cursors/size336.png", 16, 16, Qt::ArrowCursor},
    {CursorId::Size337, ":/cursors/size337.png", 16, 16, Qt::ArrowCursor},
    {CursorId::Size338, ":/cursors/size338.png", 16, 16, Qt::ArrowCursor},
    {CursorId::SizeNWSE, nullptr, 0, 0, Qt::SizeFDiagCursor},
    {CursorId::SizeNESW, nullptr, 0, 0, Qt::SizeBDiagCursor},
    {CursorId::SizeNS, nullptr, 0, 0, Qt::SizeVerCursor},
    {CursorId::SizeWE, nullptr, 0, 0, Qt::SizeHorCursor},
}};

// The table is indexed by id.
static_assert([] {
  for (std::size_t i = 0; i < kCursors.size(); ++i)
    if (static_cast<std::size_t>(kCursors[i].id) != i) return false;
  return true;
}());

const CursorRow& RowOf(CursorId id) { return kCursors[static_cast<std::size_t>(id)]; }

}  // namespace

CursorId ResizeCursor(int handle) {
  static constexpr CursorId kByHandle[4] = {CursorId::Size331, CursorId::Size335,
                                            CursorId::Size333, CursorId::Size337};
  return handle < 4 ? kByHandle[handle % 2] : kByHandle[2 + handle % 2];
}

CursorId TextBoxCursor(int handle) {
  static constexpr CursorId kByHandle[4] = {CursorId::SizeNWSE, CursorId::SizeNESW,
                                            CursorId::SizeNS, CursorId::SizeWE};
  return handle < 4 ? kByHandle[handle % 2] : kByHandle[2 + handle % 2];
}

CursorPicture PictureOf(CursorId id) {
  const CursorRow& row = RowOf(id);
  return {row.resource ? row.resource : "", row.hotX, row.hotY};
}

const QCursor& CursorSet::Get(CursorId id) const {
  if (cursors_.empty()) cursors_.resize(kCursors.size());
  std::optional<QCursor>& cursor = cursors_[static_cast<std::size_t>(id)];
  if (!cursor) {
    const CursorRow& row = RowOf(id);
    if (row.resource) cursor.emplace(QPixmap(row.resource), row.hotX, row.hotY);
    else cursor.emplace(row.shape);
  }
  return *cursor;
}
