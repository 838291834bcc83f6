#include "editor/PageSize.h"

#include <QString>
#include <algorithm>

#include "geometry/ObjectFrame.h"

namespace {

constexpr int kA4ShortMm = 190;
constexpr int kA4LongMm = 277;

}  // namespace

int MmToPixels(int mm, int dpi) { return static_cast<int>(static_cast<long long>(dpi) * mm * 10 / 254); }

int PixelsToMm(int px, int dpi) { return dpi > 0 ? static_cast<int>(static_cast<long long>(px) * 254 / (10LL * dpi)) : 0; }

int ClampMm(int mm) { return std::clamp(mm, pagesize::kMinMm, pagesize::kMaxMm); }

int ParseMm(const QString& text) {
  QString digits = text;
  digits.remove(QLatin1Char(','));
  bool ok = false;
  const int mm = digits.trimmed().toInt(&ok);
  return ok ? mm : -1;
}

QSize PresetPixels(int preset, ScreenDpi dpi, QSize screen, QSize current) {
  switch (preset) {
    case pagesize::Monitor: return screen;
    case pagesize::A4Portrait: return QSize(MmToPixels(kA4ShortMm, dpi.x), MmToPixels(kA4LongMm, dpi.y));
    case pagesize::A4Landscape: return QSize(MmToPixels(kA4LongMm, dpi.x), MmToPixels(kA4ShortMm, dpi.y));
    default: return current;
  }
}

bool ObjectsOutside(const Document& doc, QSize size) {
  for (int i = 0; i < doc.ObjCount(); ++i) {
    const Bounds b = FrameOf(doc.Object(i), 1.0f).bounds;
    if (b.right > size.width() || b.bottom > size.height()) return true;
  }
  return false;
}

bool ApplyPageSize(Document& doc, const PageSizeChoice& choice) {
  DocHeader& h = doc.Header();
  const QSize size = choice.pixels.boundedTo(QSize(0xFFFF, 0xFFFF)).expandedTo(QSize(1, 1));
  if (h.PageSize == choice.preset && h.SlideW == size.width() && h.SlideH == size.height()) return false;
  h.PageSize = static_cast<std::uint16_t>(choice.preset);
  h.SlideW = static_cast<std::uint16_t>(size.width());
  h.SlideH = static_cast<std::uint16_t>(size.height());
  return true;
}
