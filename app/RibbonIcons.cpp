#include "app/RibbonIcons.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>
#include <functional>
#include <map>

#include "render/gdi/Color.h"

namespace {

using Draw = std::function<void(QPainter&)>;

const QColor kInk(0x34, 0x45, 0x58);
const QColor kAccent(0x2F, 0x6F, 0xD0);
const QColor kPaper(0xFF, 0xFF, 0xFF);
const QColor kSoft(0xCF, 0xDD, 0xF2);

// Every drawing is made on a 32 x 32 canvas and scaled to the size and
// density asked for, when first asked for: start-up paints only the icons
// shown, at the sizes shown.
class DrawnIconEngine : public QIconEngine {
 public:
  explicit DrawnIconEngine(Draw draw) : draw_(std::move(draw)) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    painter->drawPixmap(rect, scaledPixmap(rect.size(), mode, state, ratio));
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return scaledPixmap(size, mode, state, 1.0);
  }
  QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State, qreal scale) override {
    const QSize pixels = size * scale;
    const QString key = QStringLiteral("%1x%2/%3").arg(pixels.width()).arg(pixels.height()).arg(int(mode));
    if (const auto it = cache_.find(key); it != cache_.end()) return it->second;
    QPixmap pixmap(pixels);
    pixmap.fill(Qt::transparent);
    {
      QPainter p(&pixmap);
      p.setRenderHint(QPainter::Antialiasing);
      p.scale(pixels.width() / 32.0, pixels.height() / 32.0);
      draw_(p);
    }
    if (mode == QIcon::Disabled) {
      QStyleOption option;
      pixmap = QApplication::style()->generatedIconPixmap(QIcon::Disabled, pixmap, &option);
    }
    pixmap.setDevicePixelRatio(scale);
    return cache_[key] = pixmap;
  }
  QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }
  QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return {QSize(16, 16), QSize(32, 32)}; }
  QIconEngine* clone() const override { return new DrawnIconEngine(draw_); }

 private:
  Draw draw_;
  std::map<QString, QPixmap> cache_;
};

QIcon MakeIcon(Draw draw) { return QIcon(new DrawnIconEngine(std::move(draw))); }

QPen Pen(const QColor& c, double w = 2.5) { return QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

void Sheet(QPainter& p, double x = 6, double y = 3) {
  QPainterPath path;
  path.moveTo(x, y);
  path.lineTo(x + 14, y);
  path.lineTo(x + 20, y + 6);
  path.lineTo(x + 20, y + 26);
  path.lineTo(x, y + 26);
  path.closeSubpath();
  p.setPen(Pen(kInk, 2));
  p.setBrush(kPaper);
  p.drawPath(path);
}

void Letter(QPainter& p, const QString& text, const QRectF& box, bool bold = true, bool italic = false) {
  QFont font;
  font.setPixelSize(static_cast<int>(box.height()));
  font.setBold(bold);
  font.setItalic(italic);
  p.setFont(font);
  p.setPen(kInk);
  p.drawText(box, Qt::AlignCenter, text);
}

void Bars(QPainter& p, std::initializer_list<std::pair<double, double>> spans, double top, double gap) {
  p.setPen(Pen(kInk, 3));
  double y = top;
  for (const auto& [x0, x1] : spans) {
    p.drawLine(QPointF(x0, y), QPointF(x1, y));
    y += gap;
  }
}

void Arrow(QPainter& p, QPointF from, QPointF to, const QColor& c = kAccent) {
  p.setPen(Pen(c, 3));
  p.drawLine(from, to);
  const QLineF line(to, from);
  for (double turn : {30.0, -30.0}) {
    QLineF head = line;
    head.setLength(7);
    head.setAngle(line.angle() + turn);
    p.drawLine(head);
  }
}

void Plus(QPainter& p, QPointF c) {
  p.setPen(Pen(kAccent, 3));
  p.drawLine(c + QPointF(-5, 0), c + QPointF(5, 0));
  p.drawLine(c + QPointF(0, -5), c + QPointF(0, 5));
}

void Turn(QPainter& p, bool clockwise) {
  p.setPen(Pen(kAccent, 3));
  p.setBrush(Qt::NoBrush);
  const QRectF ring(6, 6, 20, 20);
  p.drawArc(ring, clockwise ? 120 * 16 : 60 * 16, clockwise ? 270 * 16 : -270 * 16);
  const QPointF tip = clockwise ? QPointF(7, 11) : QPointF(25, 11);
  p.drawLine(tip, tip + QPointF(clockwise ? 0 : 0, -6));
  p.drawLine(tip, tip + QPointF(clockwise ? 6 : -6, 0));
}

void Screen(QPainter& p) {
  p.setPen(Pen(kInk, 2));
  p.setBrush(kSoft);
  p.drawRoundedRect(QRectF(3, 5, 26, 18), 2, 2);
  p.drawLine(QPointF(16, 23), QPointF(16, 28));
  p.drawLine(QPointF(10, 28), QPointF(22, 28));
}

Draw AlignDrawing(int id) {
  switch (id) {
    case 321: return [](QPainter& p) { Bars(p, {{6, 26}, {6, 26}}, 7, 6); };
    case 322: return [](QPainter& p) { Bars(p, {{6, 26}, {6, 26}}, 13, 6); };
    case 323: return [](QPainter& p) { Bars(p, {{6, 26}, {6, 26}}, 19, 6); };
    case 324: return [](QPainter& p) { Bars(p, {{4, 28}, {4, 18}, {4, 24}, {4, 14}}, 6, 6.5); };
    case 325: return [](QPainter& p) { Bars(p, {{4, 28}, {9, 23}, {6, 26}, {11, 21}}, 6, 6.5); };
    case 326: return [](QPainter& p) { Bars(p, {{4, 28}, {14, 28}, {8, 28}, {18, 28}}, 6, 6.5); };
    case 374: return [](QPainter& p) { Bars(p, {{12, 28}, {12, 28}}, 8, 16); Arrow(p, {6, 16}, {6, 4}); Arrow(p, {6, 16}, {6, 28}); };
    case 375: return [](QPainter& p) { Bars(p, {{12, 28}, {12, 28}}, 12, 8); Arrow(p, {6, 3}, {6, 13}); Arrow(p, {6, 29}, {6, 19}); };
    case 502: return [](QPainter& p) { Letter(p, "A  A", {0, 2, 32, 18}); Arrow(p, {16, 26}, {4, 26}); Arrow(p, {16, 26}, {28, 26}); };
    case 503: return [](QPainter& p) { Letter(p, "AA", {0, 2, 32, 18}); Arrow(p, {3, 26}, {13, 26}); Arrow(p, {29, 26}, {19, 26}); };
    case 373: return [](QPainter& p) {
      Bars(p, {{4, 26}}, 8, 0);
      p.drawArc(QRectF(16, 8, 10, 10), 90 * 16, -180 * 16);
      Arrow(p, {21, 18}, {10, 18});
      Bars(p, {{4, 16}}, 25, 0);
    };
    default: return {};
  }
}

Draw FileDrawing(int id) {
  switch (id) {
    case 0xE100: return [](QPainter& p) { Sheet(p); Plus(p, {21, 22}); };
    case 0xE101: return [](QPainter& p) {
      p.setPen(Pen(kInk, 2));
      p.setBrush(QColor(0xF2, 0xC9, 0x4C));
      p.drawPolygon(QPolygonF({{3, 9}, {12, 9}, {15, 12}, {29, 12}, {29, 27}, {3, 27}}));
    };
    case 0xE103: case 0xE104: case 624: return [](QPainter& p) {
      p.setPen(Pen(kInk, 2));
      p.setBrush(kAccent);
      p.drawRoundedRect(QRectF(4, 4, 24, 24), 2, 2);
      p.setBrush(kPaper);
      p.drawRect(QRectF(9, 4, 14, 9));
      p.drawRect(QRectF(9, 18, 14, 10));
    };
    case 0xE107: case 352: return [](QPainter& p) {
      p.setPen(Pen(kInk, 2));
      p.setBrush(kPaper);
      p.drawRect(QRectF(9, 3, 14, 10));
      p.setBrush(kSoft);
      p.drawRoundedRect(QRectF(3, 12, 26, 12), 2, 2);
      p.setBrush(kPaper);
      p.drawRect(QRectF(9, 20, 14, 9));
    };
    case 575: return [](QPainter& p) { Screen(p); Arrow(p, {10, 14}, {22, 14}); };
    case 574: return [](QPainter& p) {
      p.setPen(Pen(kInk, 2));
      p.setBrush(kSoft);
      p.drawRect(QRectF(3, 5, 26, 22));
      p.setBrush(QColor(0x4C, 0xA8, 0x5A));
      p.drawPolygon(QPolygonF({{5, 25}, {13, 14}, {19, 21}, {22, 17}, {27, 25}}));
    };
    case 593: return [](QPainter& p) {
      Sheet(p);
      QFont f;
      f.setPixelSize(8);
      f.setBold(true);
      p.setFont(f);
      p.setPen(QColor(0xC0, 0x30, 0x30));
      p.drawText(QRectF(6, 14, 20, 10), Qt::AlignCenter, "PDF");
    };
    case 622: case 353: return [](QPainter& p) {
      p.setPen(Pen(kInk, 5));
      for (int k = 0; k < 8; ++k) {
        const QLineF ray = QLineF::fromPolar(12, k * 45).translated(16, 16);
        p.drawLine(QLineF(ray.pointAt(0.6), ray.p2()));
      }
      p.setPen(Pen(kInk, 2.5));
      p.setBrush(kSoft);
      p.drawEllipse(QPointF(16, 16), 7, 7);
    };
    case 428: return [](QPainter& p) {
      p.setPen(Pen(kInk, 2));
      p.setBrush(kPaper);
      p.drawRect(QRectF(5, 8, 22, 16));
      Arrow(p, {16, 16}, {27, 27});
    };
    case 623: return [](QPainter& p) { Sheet(p); Bars(p, {{10, 22}, {10, 22}, {10, 18}}, 12, 5); };
    case 57664: case 366: return [id](QPainter& p) {
      p.setPen(Pen(kAccent, 2.5));
      p.setBrush(kPaper);
      p.drawEllipse(QPointF(16, 16), 12, 12);
      Letter(p, id == 366 ? "?" : "i", {6, 6, 20, 20});
    };
    case 57665: return [](QPainter& p) {
      p.setPen(Pen(QColor(0xC0, 0x30, 0x30), 3.5));
      p.drawLine(QPointF(8, 8), QPointF(24, 24));
      p.drawLine(QPointF(24, 8), QPointF(8, 24));
    };
    default: return {};
  }
}

// Two overlapping squares; the shaded one is the object moved, on top or below.
void Stack(QPainter& p, bool shadedOnTop) {
  const QRectF plain(4, 4, 16, 16), shaded(12, 12, 16, 16);
  p.setPen(Pen(kInk, 2));
  const auto draw = [&p](const QRectF& r, const QColor& c) {
    p.setBrush(c);
    p.drawRect(r);
  };
  if (shadedOnTop) {
    draw(plain, kPaper);
    draw(shaded, kSoft);
  } else {
    draw(shaded, kSoft);
    draw(plain, kPaper);
  }
}

Draw EditDrawing(int id) {
  switch (id) {
    case 32792: case 539: return [](QPainter& p) { Sheet(p, 3, 2); Sheet(p, 10, 5); };
    case 32786: case 621: return [](QPainter& p) {
      p.setPen(Pen(kInk, 2));
      p.setBrush(kSoft);
      p.drawRoundedRect(QRectF(5, 5, 22, 25), 2, 2);
      p.setBrush(kPaper);
      p.drawRect(QRectF(11, 2, 10, 6));
      Sheet(p, 12, 12);
    };
    case 32795: case 523: return [](QPainter& p) {
      p.setPen(Pen(QColor(0xC0, 0x30, 0x30), 3.5));
      p.drawLine(QPointF(8, 8), QPointF(24, 24));
      p.drawLine(QPointF(24, 8), QPointF(8, 24));
    };
    case 347: return [](QPainter& p) {
      p.setPen(QPen(kInk, 2, Qt::DashLine));
      p.setBrush(Qt::NoBrush);
      p.drawRect(QRectF(3, 3, 26, 26));
      p.setPen(Pen(kInk, 2));
      p.setBrush(kSoft);
      p.drawRect(QRectF(8, 8, 8, 8));
      p.drawEllipse(QRectF(16, 16, 9, 9));
    };
    case 430: return [](QPainter& p) { Stack(p, true); };
    case 431: return [](QPainter& p) { Stack(p, false); };
    case 32797: return [](QPainter& p) { Arrow(p, {6, 10}, {26, 10}); Arrow(p, {26, 22}, {6, 22}); };
    case 625: return [](QPainter& p) {
      p.setPen(Pen(kInk, 2));
      p.setBrush(kSoft);
      p.drawRect(QRectF(3, 20, 26, 9));
      Letter(p, "?", {8, 0, 16, 18});
    };
    default: return {};
  }
}

Draw CommandDrawing(int id) {
  if (Draw d = EditDrawing(id)) return d;
  if (Draw d = AlignDrawing(id)) return d;
  if (Draw d = FileDrawing(id)) return d;
  switch (id) {
    case 32828: return [](QPainter& p) { Turn(p, false); };
    case 32796: return [](QPainter& p) { Turn(p, true); };
    case 518: case 521: case 522: case 543: return [](QPainter& p) { Screen(p); Plus(p, {16, 14}); };
    case 536: return [](QPainter& p) { Arrow(p, {6, 16}, {26, 16}); };
    case 537: return [](QPainter& p) { Arrow(p, {26, 16}, {6, 16}); };
    case 327: return [](QPainter& p) { Sheet(p); Letter(p, "T", {6, 9, 20, 16}); };
    case 315: return [](QPainter& p) { Letter(p, "B", {2, 2, 28, 28}); };
    case 316: return [](QPainter& p) { Letter(p, "I", {2, 2, 28, 28}, true, true); };
    case 317: return [](QPainter& p) { Letter(p, "S", {2, 2, 28, 28}); p.setPen(Pen(kAccent, 2.5)); p.drawLine(QPointF(4, 16), QPointF(28, 16)); };
    case 318: return [](QPainter& p) { Letter(p, "U", {2, 0, 28, 26}); p.setPen(Pen(kAccent, 2.5)); p.drawLine(QPointF(6, 29), QPointF(26, 29)); };
    case 504: return [](QPainter& p) {
      QLinearGradient g(4, 0, 28, 0);
      g.setColorAt(0, kAccent);
      g.setColorAt(1, kPaper);
      p.setPen(Pen(kInk, 2));
      p.setBrush(g);
      p.drawRoundedRect(QRectF(4, 6, 24, 20), 3, 3);
    };
    case 515: return [](QPainter& p) { Letter(p, "字", {2, 2, 28, 28}, false); p.setPen(Pen(kAccent, 2)); p.setBrush(Qt::NoBrush); p.drawRect(QRectF(3, 3, 26, 26)); };
    case 532: return [](QPainter& p) {
      p.setPen(Pen(kInk, 2));
      p.setBrush(kSoft);
      p.drawRect(QRectF(4, 4, 16, 16));
      p.setBrush(kAccent);
      p.drawRect(QRectF(12, 12, 16, 16));
    };
    case 488: return [](QPainter& p) {
      p.setPen(Pen(kInk, 3));
      p.setBrush(Qt::NoBrush);
      QPainterPath path({4, 26});
      path.cubicTo(8, 2, 24, 30, 28, 6);
      p.drawPath(path);
    };
    case 494: case 491: return [](QPainter& p) { Turn(p, true); };
    case 493: return [](QPainter& p) { Turn(p, false); };
    case 492: return [](QPainter& p) { Turn(p, true); Letter(p, "2", {10, 10, 12, 12}); };
    case 534: return [](QPainter& p) { Bars(p, {{4, 28}}, 24, 0); p.setPen(Pen(kAccent, 2)); p.setBrush(kSoft); p.drawRect(QRectF(9, 8, 14, 14)); };
    case 489: return [](QPainter& p) { Arrow(p, {16, 16}, {4, 16}); Arrow(p, {16, 16}, {28, 16}); p.setPen(Pen(kInk, 2)); p.drawLine(QPointF(16, 4), QPointF(16, 28)); };
    case 490: return [](QPainter& p) { Arrow(p, {16, 16}, {16, 4}); Arrow(p, {16, 16}, {16, 28}); p.setPen(Pen(kInk, 2)); p.drawLine(QPointF(4, 16), QPointF(28, 16)); };
    case 524: case 32800: return [](QPainter& p) { p.setPen(Pen(kInk, 2)); p.drawLine(QPointF(5, 3), QPointF(5, 29)); p.setBrush(kSoft); p.drawRect(QRectF(7, 6, 18, 8)); p.drawRect(QRectF(7, 18, 12, 8)); };
    case 525: case 546: case 578: return [](QPainter& p) { Screen(p); p.setPen(Qt::NoPen); p.setBrush(kAccent); p.drawPolygon(QPolygonF({{13, 9}, {21, 14}, {13, 19}})); };
    case 544: case 545: case 572: return [](QPainter& p) {
      p.setPen(Pen(kInk, 2.5));
      p.setBrush(kPaper);
      p.drawEllipse(QPointF(16, 17), 12, 12);
      p.setPen(Pen(kAccent, 2.5));
      p.drawLine(QPointF(16, 17), QPointF(16, 9));
      p.drawLine(QPointF(16, 17), QPointF(22, 20));
    };
    case 573: return [](QPainter& p) { Screen(p); Bars(p, {{8, 24}, {8, 18}}, 11, 5); };
    case 529: return [](QPainter& p) {
      p.setPen(Pen(QColor(0xE0, 0x9A, 0x10), 2.5));
      for (int k = 0; k < 8; ++k) {
        const QLineF ray = QLineF::fromPolar(13, k * 45).translated(16, 16);
        p.drawLine(QLineF(ray.pointAt(0.65), ray.p2()));
      }
      p.setBrush(QColor(0xF2, 0xC9, 0x4C));
      p.drawEllipse(QPointF(16, 16), 6, 6);
    };
    case 541: return [](QPainter& p) { Arrow(p, {16, 22}, {16, 10}, kInk); };
    case 627: return [](QPainter& p) {
      Arrow(p, {12, 12}, {4, 4}, kInk);
      Arrow(p, {20, 20}, {28, 28}, kInk);
      Arrow(p, {20, 12}, {28, 4}, kInk);
      Arrow(p, {12, 20}, {4, 28}, kInk);
    };
    default: return {};
  }
}

void ColourBar(QPainter& p, COLORREF colour) {
  const QRectF bar(3, 24, 26, 6);
  if (colour == kNoColor) {
    p.setPen(Pen(kInk, 1));
    p.setBrush(QBrush(kInk, Qt::BDiagPattern));
  } else {
    p.setPen(Qt::NoPen);
    p.setBrush(gdi::ToQColor(colour));
  }
  p.drawRect(bar);
}

}  // namespace

QIcon RibbonIcon(int id, const QString& label) {
  if (Draw draw = CommandDrawing(id)) return MakeIcon(draw);
  QString text = label;
  text.remove('&');
  const QString first = text.left(1);
  return MakeIcon([first](QPainter& p) {
    p.setPen(Pen(kInk, 2));
    p.setBrush(kSoft);
    p.drawRoundedRect(QRectF(3, 3, 26, 26), 5, 5);
    Letter(p, first, {3, 5, 26, 22}, false);
  });
}

QIcon ColourButtonIcon(int id, COLORREF colour) {
  return MakeIcon([id, colour](QPainter& p) {
    switch (id) {
      case 320: Letter(p, "A", {4, 0, 24, 24}); break;
      case 329: p.setPen(Pen(kInk, 2)); p.setBrush(kSoft); p.drawRect(QRectF(6, 3, 20, 18)); Letter(p, "A", {6, 3, 20, 18}); break;
      case 394:
        p.setPen(Pen(kInk, 2));
        p.setBrush(kPaper);
        p.drawPolygon(QPolygonF({{6, 12}, {15, 3}, {24, 12}, {15, 21}}));
        p.setBrush(kAccent);
        p.drawEllipse(QPointF(26, 16), 2.5, 3.5);
        break;
      case 32815: p.setPen(Pen(kInk, 2.5)); p.drawLine(QPointF(6, 20), QPointF(24, 4)); p.drawLine(QPointF(6, 20), QPointF(9, 21)); break;
      case 338: Arrow(p, {4, 12}, {28, 12}, kInk); break;
      default: p.setPen(Qt::NoPen); p.setBrush(QColor(0x90, 0x90, 0x90)); p.drawRect(QRectF(10, 8, 16, 13)); p.setBrush(kSoft); p.setPen(Pen(kInk, 2)); p.drawRect(QRectF(5, 3, 16, 13)); break;
    }
    ColourBar(p, colour);
  });
}

QIcon LineStyleIcon(int style) {
  static const QList<QList<qreal>> kDashes = {{}, {4, 2}, {1, 2}, {4, 2, 1, 2}, {4, 2, 1, 2, 1, 2}, {}};
  return MakeIcon([style](QPainter& p) {
    QPen pen = Pen(kInk, 2.5);
    pen.setCapStyle(Qt::FlatCap);
    const int s = std::clamp(style, 0, 5);
    if (!kDashes[s].isEmpty()) pen.setDashPattern(kDashes[s]);
    p.setPen(pen);
    if (s == 5) {
      p.drawLine(QPointF(3, 12), QPointF(29, 12));
      p.drawLine(QPointF(3, 20), QPointF(29, 20));
    } else {
      p.drawLine(QPointF(3, 16), QPointF(29, 16));
    }
  });
}

QIcon EndStyleIcon(int style) {
  return MakeIcon([style](QPainter& p) {
    p.setPen(Pen(kInk, 2.5));
    p.drawLine(QPointF(3, 16), QPointF(20, 16));
    p.setBrush(kAccent);
    switch (style) {
      case 1: p.drawPolygon(QPolygonF({{18, 9}, {29, 16}, {18, 23}})); break;
      case 2: p.drawEllipse(QPointF(23, 16), 6, 6); break;
      case 3: p.drawRect(QRectF(17, 10, 12, 12)); break;
      default: break;
    }
  });
}
