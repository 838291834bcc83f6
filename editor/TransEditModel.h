// The transparency editor's working image and its retouching tools, with ten
// steps of undo and redo; no widget. Points are image pixels.
#pragma once

#include <QImage>
#include <QRect>
#include <deque>

#include "base/Color.h"

class TransEditModel {
 public:
  static constexpr int kDepth = 10;

  // `working` is the picture drawn at its pixel size; `trans` its transparent colour.
  TransEditModel(QImage working, COLORREF trans);

  const QImage& Image() const { return image_; }
  COLORREF TransColor() const { return trans_; }
  void SetTransColor(COLORREF c) { trans_ = c; }
  bool Changed() const { return changed_; }

  // Tolerance level 1..6 (T = 4 x level; level 6 in the square sets every pixel).
  // `wholeImage` tests every pixel; otherwise the square of half-width `radius`
  // around `at` (the single pixel when the radius is 1).
  void SetTransparent(QPoint at, int level, bool wholeImage, int radius);
  // A pen stroke: Down takes one undo step, Move continues it.
  void PenDown(QPoint at, COLORREF ink, int radius);
  void PenMove(QPoint at, COLORREF ink, int radius);
  // Fills the area connected to `at` of exactly its colour.
  void Paint(QPoint at, COLORREF ink);
  COLORREF ColourAt(QPoint at) const;
  // Makes white the transparent colour; white pixels turn RGB(255,215,255) on a
  // 16-bit screen so they stay visible.
  void TransToWhite(bool sixteenBitScreen);

  bool Undo();
  bool Redo();
  int UndoCount() const { return int(undo_.size()); }
  int RedoCount() const { return int(redo_.size()); }

 private:
  // The pixels of `rect` as they were before a step (or after, on the redo side).
  struct Step {
    QRect rect;
    QImage pixels;
  };

  void Push(QRect rect);
  void Grow(QRect rect);  // widens the top undo step to cover `rect`
  QRect Square(QPoint at, int radius) const;
  static void Restore(std::deque<Step>& from, std::deque<Step>& to, QImage& image);

  QImage image_;
  COLORREF trans_;
  bool changed_ = false;
  std::deque<Step> undo_;
  std::deque<Step> redo_;
};
