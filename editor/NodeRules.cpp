#include "editor/NodeRules.h"

#include <cmath>

int AngleSpinPosition(double angle) {
  const double pi = 4 * std::atan(1.0);
  if (angle > 6.283185307) angle -= 2 * pi;
  const int d = int(angle * 180 / pi);
  if (d == 0) return 0;
  if (d == 361) return 359;
  return 360 - d;
}

QString ByteCountText(qint64 bytes) {
  QString digits = QString::number(bytes);
  if (digits.size() >= 4 && digits.size() <= 9)
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3) digits.insert(at, u',');
  return digits + QStringLiteral("byte");
}

std::optional<QSize> AspectTarget(QSize picture, QSize bounds, bool byWidth, QSize slide) {
  const int w = picture.width(), h = picture.height(), W = bounds.width(), H = bounds.height();
  if (w <= 0 || h <= 0 || W <= 0 || H <= 0) return std::nullopt;
  // Ratios in single precision, as the frame's own rules compare them.
  if (byWidth) {
    const float r = float(h) / float(w);
    if (float(H) / float(W) == r) return std::nullopt;
    const QSize target(W, int(r * float(W)));
    if (target.height() <= slide.height()) return target;
    return QSize(int(float(w) / float(h) * float(H)), H);
  }
  const float r = float(w) / float(h);
  if (float(W) / float(H) == r) return std::nullopt;
  const QSize target(int(r * float(H)), H);
  if (target.width() <= slide.width()) return target;
  return QSize(W, int(float(h) / float(w) * float(W)));
}
