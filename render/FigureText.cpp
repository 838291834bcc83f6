// A figure's text: font, visual lines, placement in the (turned) text box,
// background, shadow and colour.
#include "render/FigureText.h"

#include <QFontMetrics>
#include <QPainter>
#include <cstring>
#include <new>

#include "base/Cp932.h"
#include "base/MessageIds.h"
#include "core/Document.h"
#include "geometry/Angles.h"
#include "geometry/MathSub.h"
#include "render/FigureStyle.h"
#include "render/MakeFont.h"
#include "render/Shadow.h"
#include "render/TextBox.h"
#include "render/TextPlacement.h"
#include "render/TextWrap.h"
#include "render/gdi/Dc.h"

namespace {

constexpr int kLightFromAbove = 4;
constexpr int kAlignCentre = 1;
constexpr int kAlignRight = 2;

QFont FigureFont(const ObjectRecord& r, const RenderContext& ctx, int dpiY, int degrees) {
  const QString face = DecodeCp932Buffer(r.FontName, sizeof r.FontName);
  const FontScale size = ScaleFont(r.FontSize, ctx.zoom, ctx.printer, dpiY);
  QFont font = ToQFont(MakeFont(face, size.points, r.FontBold, r.FontItalic, r.FontDel, r.FontUnder, degrees,
                                size.dpi));
  font.setKerning(false);  // widths add up character by character, as wrapping measures them
  return font;
}

// The angle the text turns with its figure, radians counter-clockwise; 0 when it stays upright.
double TextAngle(const ObjectRecord& r) { return r.TextRotate ? r.Angle : 0.0; }

// Text never comes out in pure black or in the transparency key, the two colours that
// colour-keyed copies treat as see-through.
COLORREF TextDrawColor(COLORREF refText) {
  if (refText == 0) return 0x000800;
  if (refText == kTransKey) return 0;
  return refText;
}

// A figure with a fill casts a shadow of its own shape instead.
bool CastsTextShadow(const ObjectRecord& r) {
  return EffectiveFill(r) == kNoColor && r.refKage != kNoColor && (r.KageX != 0 || r.KageY != 0) &&
         r.LightDir != kLightFromAbove;
}

// One visual line with its cell's top-left corner at `at`; an opaque background
// fills the cell first.
void DrawLine(QPainter& painter, QPoint at, int degrees, const QString& text, int width,
              COLORREF background, COLORREF color) {
  const QTransform saved = painter.transform();
  painter.translate(at);
  painter.rotate(-degrees);
  const QFontMetrics fm = painter.fontMetrics();
  if (background != kNoColor) painter.fillRect(QRect(0, 0, width, fm.height()), gdi::ToQColor(background));
  painter.setPen(gdi::ToQColor(color));
  painter.drawText(QPoint(0, fm.ascent()), text);
  painter.setTransform(saved);
}

struct Layout {
  std::vector<QByteArray> lines;  // visual lines
  LinePlacement placement;
  int availableWidth = 0;
};

Layout LayOut(const ObjectRecord& r, const RenderContext& ctx, const QFontMetrics& fm,
              const Bounds& box, const TextMargins& m) {
  Layout out;
  out.availableWidth = box.right - box.left - m.left - m.right;
  const int ah = box.bottom - box.top - m.top - m.bottom;
  const QByteArrayView text(r.Text, static_cast<qsizetype>(strnlen(r.Text, sizeof r.Text)));
  out.lines = VisualLines(fm, out.availableWidth, FigureTextLines(text), r.WordWrap != 0);
  const int h = fm.height();
  out.placement = PlaceLines(static_cast<int>(out.lines.size()), ah, h,
                             LinePitch(h, r.LineMargin, ctx.zoom), r.AlineV);
  return out;
}

// Where a line `width` pixels wide starts, `y` pixels down the turned box.
QPoint LineStart(const std::array<QPoint, 4>& corners, int y, int width, int availableWidth,
                 int alineH) {
  const auto [tl, tr, br, bl] = corners;
  const QPoint s = CMathSub::PointAlong(y, tl, bl);
  const QPoint e = CMathSub::PointAlong(y, tr, br);
  if (alineH == kAlignCentre) return CMathSub::PointAlong((availableWidth - width) / 2, s, e);
  if (alineH == kAlignRight) return CMathSub::PointAlong(availableWidth - width, s, e);
  return s;
}

}  // namespace

Result<void> DrawFigureText(gdi::Dc& dc, const Document& doc, const RenderContext& ctx, int index,
                            const OutlinePoints& points) {
  const ObjectRecord& r = doc.Object(index);
  if (ctx.overlay && ctx.overlay->textEditing == index) return {};  // the editor shows it
  if (r.Text[0] == '\0' || r.PointNum == 0) return {};

  const double angle = TextAngle(r);
  const int degrees = CMathSub::Trunc(angle * 180 / kPi);
  QPainter& painter = dc.Painter();
  painter.setFont(FigureFont(r, ctx, dc.Surface().logicalDpiY(), degrees));
  const QFontMetrics fm = painter.fontMetrics();
  const Bounds box = TextBox(r, points, ctx.zoom);
  const TextMargins m = MarginsOf(r, ctx.zoom);
  Layout layout;
  try {
    layout = LayOut(r, ctx, fm, box, m);
  } catch (const std::bad_alloc&) {
    return Failure{msg::NoMemory};
  }

  const std::array<QPoint, 4> corners = TurnedBox(box, m, angle);
  const bool shadow = CastsTextShadow(r);
  const int dx = ctx.Scale(r.KageX);
  const int dy = ctx.Scale(r.KageY);
  for (std::size_t i = 0; i < layout.placement.y.size(); ++i) {
    const QByteArray& line = layout.lines[layout.placement.first + i];
    const QString text = DecodeCp932(line);
    const int width = fm.horizontalAdvance(text);
    const QPoint at = LineStart(corners, layout.placement.y[i], width, layout.availableWidth, r.AlineH);
    if (shadow) {
      const QPoint cast = ShadowAt(r.LightDir, QRect(at, QSize()), dx, dy).topLeft();
      DrawLine(painter, cast, degrees, text, width, r.refTextBk, r.refKage);
    }
    DrawLine(painter, at, degrees, text, width, r.refTextBk, TextDrawColor(r.refText));
  }
  return {};
}
