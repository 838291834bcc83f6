#include "render/ZoomConsole.h"

#include <QPainter>
#include <cmath>

#include "geometry/Angles.h"
#include "render/Overlay.h"
#include "render/RenderContext.h"
#include "render/gdi/Blit.h"
#include "render/gdi/Dc.h"

namespace {

constexpr COLORREF kDigitKey = 0x808000;  // teal behind the digits

// Segments a..g of each glyph, as bits: a top, b top right, c bottom right,
// d bottom, e bottom left, f top left, g middle.
constexpr unsigned char kSegments[10] = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F};

void DrawGlyph(QPainter& p, int left, int index) {
  const QColor red(255, 0, 0);
  if (index == 10) {  // ':'
    p.fillRect(left + 13, 14, 6, 6, red);
    p.fillRect(left + 13, 30, 6, 6, red);
    return;
  }
  const int l = left + 4, r = left + 24, t = 3, m = 23, b = 43, th = 4;
  const QRect seg[7] = {{l + th, t, r - l - th, th},     {r, t + th, th, m - t - th},
                        {r, m + th, th, b - m - th},     {l + th, b, r - l - th, th},
                        {l, m + th, th, b - m - th},     {l, t + th, th, m - t - th},
                        {l + th, m, r - l - th, th}};
  for (int s = 0; s < 7; ++s)
    if (kSegments[index] & (1 << s)) p.fillRect(seg[s], red);
}

}  // namespace

QImage MakeConsoleDial() {
  QImage dial(kConsoleSize, kConsoleSize, QImage::Format_RGB32);
  dial.fill(gdi::ToQRgb(kTransKey));
  QPainter p(&dial);
  p.setPen(QPen(QColor(0, 100, 0), 2));
  p.setBrush(QColor(60, 170, 60));
  p.drawEllipse(1, 1, kConsoleSize - 3, kConsoleSize - 3);
  p.fillRect(59, 12, 12, 28, QColor(0, 0, 255));   // plus, vertical bar
  p.fillRect(51, 20, 28, 12, QColor(0, 0, 255));   // plus, horizontal bar
  p.fillRect(51, 100, 28, 10, QColor(255, 0, 0));  // minus
  return dial;
}

QImage MakeDigitStrip() {
  QImage strip(kDigitWidth * 11, kDigitHeight, QImage::Format_RGB32);
  strip.fill(gdi::ToQRgb(kDigitKey));
  QPainter p(&strip);
  for (int i = 0; i < 11; ++i) DrawGlyph(p, i * kDigitWidth, i);
  return strip;
}

std::vector<int> DigitPositions(int percent) {
  const int count = static_cast<int>(QString::number(percent).size());
  const int first = count == 1 ? 49 : count == 2 ? 31 : 15;
  std::vector<int> xs;
  for (int i = 0; i < count; ++i) xs.push_back(first + i * kDigitStep);
  return xs;
}

QImage BuildConsoleImage(const QImage& dial, const QImage& digits, float zoom) {
  QImage console = dial.copy();
  const int percent = static_cast<int>(zoom * 100);
  const QString text = QString::number(percent);
  const std::vector<int> xs = DigitPositions(percent);
  gdi::Dc dc(console);
  for (int i = 0; i < text.size() && i < static_cast<int>(xs.size()); ++i) {
    const int glyph = text[i].digitValue();
    if (glyph < 0) continue;
    gdi::TransparentBlt(dc, QRect(xs[i], kDigitTop, kDigitWidth, kDigitHeight), digits,
                        QRect(glyph * kDigitWidth, 0, kDigitWidth, kDigitHeight), kDigitKey);
  }
  return console;
}

void DrawConsoleRing(gdi::Dc& dc, QPoint centre) {
  for (int k = 1; k <= 68; ++k) {
    const int grey = 98 + 2 * k;
    const double a = 2 * kPi * k / 69;
    DrawDot(dc, QPoint(centre.x() + static_cast<int>(69 * std::cos(a)),
                       centre.y() - static_cast<int>(69 * std::sin(a))),
            grey | grey << 8);
  }
}
