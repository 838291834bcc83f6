// Undo steps keep only the rectangle a tool touched, so ten steps of a large
// picture cost no more than the pixels that really changed.
#include "editor/TransEditModel.h"

#include <QPainter>
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "render/gdi/Color.h"

using gdi::FromQRgb;
using gdi::ToQRgb;

namespace {

bool Within(QRgb p, QRgb key, int t) {
  return std::abs(qRed(p) - qRed(key)) < t && std::abs(qGreen(p) - qGreen(key)) < t &&
         std::abs(qBlue(p) - qBlue(key)) < t;
}

QRgb Opaque(QRgb p) { return p | 0xFF000000u; }

}  // namespace

TransEditModel::TransEditModel(QImage working, COLORREF trans)
    : image_(working.convertToFormat(QImage::Format_RGB32)), trans_(trans) {}

QRect TransEditModel::Square(QPoint at, int radius) const {
  const QRect square = radius <= 1 ? QRect(at, QSize(1, 1))
                                   : QRect(at.x() - radius, at.y() - radius, 2 * radius, 2 * radius);
  return square & image_.rect();
}

void TransEditModel::Push(QRect rect) {
  if (undo_.size() == kDepth) undo_.pop_front();
  undo_.push_back({rect, image_.copy(rect)});
  redo_.clear();
  changed_ = true;
}

void TransEditModel::Grow(QRect rect) {
  Step& top = undo_.back();
  const QRect united = top.rect | rect;
  if (united == top.rect) return;
  // Pixels outside the old rectangle are still untouched: take them as they are.
  QImage before = image_.copy(united);
  QPainter(&before).drawImage(top.rect.topLeft() - united.topLeft(), top.pixels);
  top = {united, std::move(before)};
}

void TransEditModel::SetTransparent(QPoint at, int level, bool wholeImage, int radius) {
  if (!image_.rect().contains(at)) return;
  const QRect area = wholeImage ? image_.rect() : Square(at, radius);
  Push(area);
  const QRgb key = image_.pixel(at);
  const QRgb trans = ToQRgb(trans_);
  // In the square, the top level and the single pixel need no test.
  const bool all = !wholeImage && (level >= 6 || radius <= 1);
  const int t = 4 * std::min(level, 6);
  for (int y = area.top(); y <= area.bottom(); ++y) {
    QRgb* row = reinterpret_cast<QRgb*>(image_.scanLine(y));
    for (int x = area.left(); x <= area.right(); ++x)
      if (all || Within(row[x], key, t)) row[x] = trans;
  }
}

void TransEditModel::PenDown(QPoint at, COLORREF ink, int radius) {
  const QRect square = Square(at, radius);
  Push(square.isEmpty() ? QRect() : square);
  PenMove(at, ink, radius);
}

void TransEditModel::PenMove(QPoint at, COLORREF ink, int radius) {
  const QRect square = Square(at, radius);
  if (square.isEmpty() || undo_.empty()) return;
  if (undo_.back().rect.isEmpty())
    undo_.back() = {square, image_.copy(square)};
  else
    Grow(square);
  const QRgb p = ToQRgb(ink);
  for (int y = square.top(); y <= square.bottom(); ++y) {
    QRgb* row = reinterpret_cast<QRgb*>(image_.scanLine(y));
    std::fill(row + square.left(), row + square.right() + 1, p);
  }
}

void TransEditModel::Paint(QPoint at, COLORREF ink) {
  if (!image_.rect().contains(at)) return;
  const QRgb from = Opaque(image_.pixel(at)), to = ToQRgb(ink);
  Push(QRect());
  if (from == to) return;
  // Scanline fill; the rectangle it touched is saved as it grows.
  QImage before = image_.copy();
  QRect touched;
  std::vector<QPoint> stack{at};
  auto same = [&](int x, int y) { return Opaque(image_.pixel(x, y)) == from; };
  while (!stack.empty()) {
    const QPoint p = stack.back();
    stack.pop_back();
    if (!same(p.x(), p.y())) continue;
    int l = p.x(), r = p.x();
    while (l > 0 && same(l - 1, p.y())) --l;
    while (r < image_.width() - 1 && same(r + 1, p.y())) ++r;
    QRgb* row = reinterpret_cast<QRgb*>(image_.scanLine(p.y()));
    std::fill(row + l, row + r + 1, to);
    touched |= QRect(l, p.y(), r - l + 1, 1);
    for (int dy : {-1, 1}) {
      const int y = p.y() + dy;
      if (y < 0 || y >= image_.height()) continue;
      for (int x = l; x <= r; ++x)
        if (same(x, y) && (x == l || !same(x - 1, y))) stack.push_back({x, y});
    }
  }
  undo_.back() = {touched, before.copy(touched)};
}

COLORREF TransEditModel::ColourAt(QPoint at) const {
  return image_.rect().contains(at) ? FromQRgb(image_.pixel(at)) : kNoColor;
}

void TransEditModel::TransToWhite(bool sixteenBitScreen) {
  constexpr COLORREF kWhite = 0xFFFFFF;
  if (trans_ == kWhite) return;
  Push(image_.rect());
  const QRgb trans = ToQRgb(trans_), white = ToQRgb(kWhite);
  const QRgb keptWhite = sixteenBitScreen ? qRgb(255, 215, 255) : white;
  for (int y = 0; y < image_.height(); ++y) {
    QRgb* row = reinterpret_cast<QRgb*>(image_.scanLine(y));
    for (int x = 0; x < image_.width(); ++x) {
      const QRgb p = Opaque(row[x]);
      if (p == trans) row[x] = white;
      else if (p == white) row[x] = keptWhite;
    }
  }
  trans_ = kWhite;
}

void TransEditModel::Restore(std::deque<Step>& from, std::deque<Step>& to, QImage& image) {
  Step step = std::move(from.back());
  from.pop_back();
  if (to.size() == kDepth) to.pop_front();
  to.push_back({step.rect, image.copy(step.rect)});
  QPainter painter(&image);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  painter.drawImage(step.rect.topLeft(), step.pixels);
}

bool TransEditModel::Undo() {
  if (undo_.empty()) return false;
  Restore(undo_, redo_, image_);
  return true;
}

bool TransEditModel::Redo() {
  if (redo_.empty()) return false;
  Restore(redo_, undo_, image_);
  return true;
}
