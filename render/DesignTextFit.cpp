#include "render/DesignTextFit.h"

#include <algorithm>
#include <cstring>

#include "base/Cp932.h"
#include "base/MulDiv.h"
#include "core/Records.h"
#include "geometry/Rotation.h"
#include "render/MakeFont.h"
#include "render/glyph/GlyphCache.h"

GlyphFont* DesignTextFont(GlyphCache& glyphs, const ObjectRecord& r) {
  QString face = DecodeCp932Buffer(r.FontName, sizeof r.FontName);
  if (face.isEmpty()) face = QString::fromLatin1(kDefaultFace);
  return glyphs.Font(face, r.FontBold != 0, r.FontItalic != 0);
}

int DesignPixelSize(const ObjectRecord& r, float zoom, int dpiY) {
  return std::max(1, MulDiv(ToView(r.FontSize, zoom), dpiY, 72));
}

TextExtent MeasureDesignText(GlyphFont& font, const ObjectRecord& r, float zoom, int dpiY) {
  const QByteArray bytes = DesignTextBytes(r);
  const std::vector<Cp932Char> chars = SplitCp932(bytes);
  const std::vector<char32_t> codes = Cp932Codes(bytes, chars);
  const int size = DesignPixelSize(r, zoom, dpiY);
  TextExtent e;
  e.cy = e.h1 = font.Height(size);
  for (std::size_t i = 0; i < codes.size(); ++i) {
    const int advance = font.Advance(codes[i], size);
    if (i == 0) e.w1 = advance;
    e.cx += advance;
  }
  return e;
}

namespace {

bool Fits(const Frame& f, QSize slide) {
  return f[2].x() - f[0].x() <= slide.width() && f[2].y() - f[0].y() <= slide.height();
}

}  // namespace

DesignTextFitResult FitDesignText(ObjectRecord& r, QSize slide, const DesignTextMeasure& measure) {
  DesignTextFitResult result;
  QByteArray bytes = DesignTextBytes(r);
  if (bytes.size() != static_cast<qsizetype>(strnlen(r.Text, sizeof r.Text))) {
    StoreCp932Bytes(r.Text, sizeof r.Text, bytes);
    result.textCut = true;
  }
  Frame frame;
  for (;;) {
    const std::vector<Cp932Char> chars = SplitCp932(bytes);
    frame = DesignFrame(r, measure(r), 1.0f, static_cast<int>(chars.size()));
    if (Fits(frame, slide)) break;
    if (r.FontSize > 2) {
      --r.FontSize;
      result.fontShrunk = true;
    } else if (!chars.empty()) {
      // Margins wider than the slide never fit; the loop ends with an empty text.
      bytes.truncate(chars.back().offset);
      StoreCp932Bytes(r.Text, sizeof r.Text, bytes);
      result.textCut = true;
    } else {
      break;
    }
  }
  frame = KeepInside(frame, slide);
  for (int i = 0; i < 4; ++i) r.Points[i] = {frame[i].x(), frame[i].y()};
  r.PointNum = 4;
  return result;
}

DesignTextFitResult FitDesignText(ObjectRecord& r, QSize slide, GlyphCache& glyphs, int dpiY) {
  GlyphFont* font = DesignTextFont(glyphs, r);
  if (!font) return FitDesignText(r, slide, [](const ObjectRecord&) { return TextExtent{}; });  // margins only
  return FitDesignText(r, slide, [&](const ObjectRecord& rec) { return MeasureDesignText(*font, rec, 1.0f, dpiY); });
}
