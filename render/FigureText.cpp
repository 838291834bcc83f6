// A figure's text, one centred block in the outline's bounds; the full layout
// (margins, alignment, wrapping, rotation) replaces this.
#include "render/FigureText.h"

#include <QPainter>
#include <algorithm>

#include "app/store/MakeFont.h"
#include "core/Document.h"
#include "core/text/Cp932.h"
#include "render/gdi/Dc.h"

void DrawFigureText(gdi::Dc& dc, const Document& doc, const RenderContext& ctx, int index,
                    const OutlinePoints& points) {
  const ObjectRecord& r = doc.Object(index);
  if (r.Text[0] == '\0' || r.PointNum == 0 || (ctx.overlay && ctx.overlay->textEditing == index))
    return;
  const int n = std::min<int>(r.PointNum, kMaxPoints);
  QRect area(points[0], points[0]);
  for (int i = 1; i < n; ++i) area |= QRect(points[i], points[i]);
  const QString face = DecodeCp932Buffer(r.FontName, sizeof r.FontName);
  const LogFont lf = MakeFont(face, r.FontSize, r.FontBold, r.FontItalic, r.FontDel, r.FontUnder, 0,
                              dc.Surface().logicalDpiY());
  QFont font = ToQFont(lf);
  font.setPixelSize(std::max(1, static_cast<int>(-lf.height * ctx.zoom)));
  QPainter& painter = dc.Painter();
  painter.setFont(font);
  painter.setPen(gdi::ToQColor(r.refText));
  painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap,
                   DecodeCp932Buffer(r.Text, sizeof r.Text));
}
