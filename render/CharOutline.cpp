#include "render/CharOutline.h"

#include <cstring>

#include "base/Cp932.h"
#include "base/MulDiv.h"
#include "core/Records.h"
#include "geometry/MathSub.h"
#include "render/MakeFont.h"
#include "render/glyph/GlyphCache.h"
#include "render/glyph/GlyphToBlocks.h"

char32_t FirstCharacter(const char* text, std::size_t size) {
  const std::size_t n = strnlen(text, size);
  if (n == 0) return 0;
  // A lead byte right before the end is a byte of its own, which CP932 leaves undefined.
  const qsizetype len = IsCp932LeadByte(static_cast<unsigned char>(text[0])) && n > 1 ? 2 : 1;
  const QString decoded = DecodeCp932(QByteArrayView(text, len));
  if (decoded.size() != 1 || decoded[0] == QChar::ReplacementCharacter) return 0;
  return decoded[0].unicode();
}

CharOutlineStatus StoreCharOutline(ObjectRecord& r, std::span<const QPoint> blocks, bool curve, QPoint centre) {
  const std::size_t n = blocks.size();
  if (n == 0) return CharOutlineStatus::NoOutline;
  if (curve ? n >= kMaxPoints : n / 3 >= kMaxPoints)
    return curve ? CharOutlineStatus::TooManyForCurve : CharOutlineStatus::TooManyForStraight;
  const Bounds b = CMathSub::BoundingRect(blocks);
  const QPoint shift(centre.x() - (b.left + b.right) / 2, centre.y() - (b.top + b.bottom) / 2);
  int count = 0;
  for (std::size_t i = 0; i < n; ++i) {
    if (!curve && i % 3 != 0) continue;
    const QPoint p = blocks[i] + shift;
    r.Points[count++] = {p.x(), p.y()};
  }
  r.PointNum = static_cast<std::uint16_t>(count);
  r.Curve = curve ? 1 : 0;
  r.CenterX = centre.x();
  r.CenterY = centre.y();
  r.Text[0] = '\0';
  return CharOutlineStatus::Built;
}

CharOutlineStatus BuildCharOutline(ObjectRecord& r, const CharChoice& choice, QPoint centre, GlyphCache& glyphs,
                                   int dpiY) {
  const char32_t code = FirstCharacter(r.Text, sizeof r.Text);
  if (code == 0) return CharOutlineStatus::NoOutline;
  const QString face = choice.face.isEmpty() ? QString::fromLatin1(kDefaultFace) : choice.face;
  GlyphFont* font = glyphs.Font(face, choice.bold, choice.italic);
  if (!font) return CharOutlineStatus::NoOutline;
  const GlyphTransform t{MulDiv(kCharOutlinePoints, dpiY, 72), 0, false, false};
  const BlockList blocks = GlyphToBlocks(font->NativeOutline(code, t));
  return StoreCharOutline(r, blocks.points, choice.curve, centre);
}
