#include "show/Sparkle.h"

#include <cmath>
#include <cstdlib>

namespace {

constexpr QRgb kYellow = 0xFFFFFF00u;
constexpr QRgb kBlue = 0xFF0000FFu;

int Distance(QRgb a, QRgb b) {
  return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
}

void Plus(QImage& screen, QPoint p, QRgb colour) {
  const QPoint arms[5] = {p, p + QPoint(1, 0), p + QPoint(-1, 0), p + QPoint(0, 1), p + QPoint(0, -1)};
  for (const QPoint& a : arms)
    if (screen.rect().contains(a)) reinterpret_cast<QRgb*>(screen.scanLine(a.y()))[a.x()] = colour;
}

// Points must lie ever further out as the tries go on: a third of the
// radius first, two thirds next, the whole radius last.
int Reach(int attempt, int r) {
  if (attempt < 300) return r / 3;
  if (attempt < 500) return 2 * r / 3;
  return r;
}

}  // namespace

void DrawSparkle(QImage& screen, QPoint cursor, std::uint32_t seed) {
  constexpr int r = 20;
  const QPoint centre = cursor + QPoint(10, 10);
  SparkleRandom random(seed);
  for (int attempt = 0; attempt < kSparkleTries; ++attempt) {
    const int x = cursor.x() - 8 + random.Next() % 36;
    const int y = cursor.y() - 8 + random.Next() % 36;
    const double dx = x - centre.x();
    const double dy = y - centre.y();
    if (static_cast<int>(std::sqrt(dx * dx + dy * dy)) > Reach(attempt, r)) continue;
    if (!screen.rect().contains(x, y)) continue;
    const QRgb under = screen.pixel(x, y);
    Plus(screen, QPoint(x, y), Distance(under, kYellow) < Distance(under, kBlue) ? kBlue : kYellow);
  }
}
