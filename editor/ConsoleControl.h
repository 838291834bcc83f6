// The zoom console as a control: which part of it lies under a client point,
// when it is shown and when its ring turns, and the zoom steps it makes.
#pragma once

#include <QPoint>
#include <QSize>

struct DocHeader;

inline constexpr int kConsoleRadius = 65;
inline constexpr int kRingOuter = 73;
inline constexpr float kMinZoom = 0.08f;
inline constexpr float kMaxZoom = 4.0f;

enum class ConsolePart { None = -1, Body = 1, ZoomIn = 2, ZoomOut = 3 };

// The part of the console centred on `centre` under `client` (both client pixels).
ConsolePart HitConsole(QPoint centre, QPoint client);
// The band 65..73 from the centre, both ends included.
bool OnConsoleRing(QPoint centre, QPoint client);

// The view's two console switches.
struct ConsoleFlags {
  bool shown = false;
  bool active = false;
};

// Shown and active follow the pointer: hovering or right-clicking the disc
// shows the console, a left click on it also activates its ring, a left
// click elsewhere hides it again unless it is always shown.
struct ConsoleState {
  QPoint centre;  // client pixels, kept inside the client area
  bool always = false;
  bool shown = false;
  bool active = false;

  // The console of a view whose client area is `client` pixels.
  static ConsoleState Of(const DocHeader& h, QSize client, bool shown, bool active);
  bool Visible() const { return always || shown; }
  // Returns true when the console became shown.
  bool Show();
  void PressedOnConsole() { shown = active = true; }
  void PressedElsewhere();
};

// Zoom changes count in whole percent points from the rounded percentage,
// so that 1.01 steps to 1.02 and not back to 1.01; the result lies in 0.08..4.0.
float ClampZoom(float zoom);
float StepZoom(float zoom, int percentPoints);
// The zoom at which the whole slide fits the client area.
float FitZoom(QSize client, int slideW, int slideH);
