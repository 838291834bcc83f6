// The zoom console's geometry, state rules and zoom steps.
#include "editor/ConsoleControl.h"

#include <algorithm>
#include <cmath>

#include "core/Records.h"
#include "geometry/ConsoleCentre.h"

namespace {

double DistanceFrom(QPoint centre, QPoint p) {
  return std::hypot(static_cast<double>(p.x() - centre.x()), static_cast<double>(p.y() - centre.y()));
}

// Rectangles in console-local pixels, right and bottom edges out.
bool In(QPoint p, int l, int t, int r, int b) { return p.x() >= l && p.x() < r && p.y() >= t && p.y() < b; }

}  // namespace

ConsolePart HitConsole(QPoint centre, QPoint client) {
  if (DistanceFrom(centre, client) > kConsoleRadius) return ConsolePart::None;
  const QPoint local = client - centre + QPoint(kConsoleRadius, kConsoleRadius);
  if (In(local, 59, 5, 71, 35) || In(local, 50, 14, 80, 26)) return ConsolePart::ZoomIn;
  if (In(local, 50, 104, 80, 116)) return ConsolePart::ZoomOut;
  return ConsolePart::Body;
}

bool OnConsoleRing(QPoint centre, QPoint client) {
  const double d = DistanceFrom(centre, client);
  return d >= kConsoleRadius && d <= kRingOuter;
}

ConsoleState ConsoleState::Of(const DocHeader& h, QSize client, bool shown, bool active) {
  return {ConsoleCentre(h, client), h.ConsoleAlways != 0, shown, active};
}

bool ConsoleState::Show() {
  if (always || shown) return false;
  shown = true;
  return true;
}

void ConsoleState::PressedElsewhere() {
  active = false;
  if (!always) shown = false;
}

float ClampZoom(float zoom) { return std::clamp(zoom, kMinZoom, kMaxZoom); }

float StepZoom(float zoom, int percentPoints) {
  const long percent = std::lround(zoom * 100.0) + percentPoints;
  return ClampZoom(static_cast<float>(percent) / 100.0f);
}

float FitZoom(QSize client, int slideW, int slideH) {
  if (slideW <= 0 || slideH <= 0) return 1.0f;
  return ClampZoom(std::min(static_cast<float>(client.width()) / slideW,
                            static_cast<float>(client.height()) / slideH));
}
