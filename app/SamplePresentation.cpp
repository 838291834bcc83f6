#include "app/SamplePresentation.h"

#include <QTemporaryDir>
#include <array>
#include <cmath>
#include <functional>

#include "app/SamplePictures.h"
#include "base/Cp932.h"
#include "base/MessageIds.h"
#include "core/DataFile.h"
#include "core/Document.h"
#include "core/EditPath.h"
#include "core/container/Container.h"
#include "core/picture/Picture.h"
#include "editor/factory/MakeObj.h"
#include "editor/factory/Requests.h"
#include "render/DesignTextFit.h"
#include "render/MakeFont.h"
#include "render/glyph/GlyphCache.h"
#include "show/ShowSettings.h"

namespace {

constexpr COLORREF Rgb(int r, int g, int b) { return r | (g << 8) | (b << 16); }

constexpr COLORREF kNavy = Rgb(31, 56, 100);
constexpr COLORREF kBlue = Rgb(46, 117, 182);
constexpr COLORREF kSky = Rgb(189, 215, 238);
constexpr COLORREF kOrange = Rgb(237, 125, 49);
constexpr COLORREF kYellow = Rgb(255, 192, 0);
constexpr COLORREF kGreen = Rgb(112, 173, 71);
constexpr COLORREF kRed = Rgb(192, 0, 0);
constexpr COLORREF kPurple = Rgb(112, 48, 160);
constexpr COLORREF kTeal = Rgb(0, 150, 136);
constexpr COLORREF kPink = Rgb(233, 113, 160);
constexpr COLORREF kGray = Rgb(89, 89, 89);
constexpr COLORREF kShadow = Rgb(175, 175, 175);
constexpr COLORREF kWhite = Rgb(255, 255, 255);

constexpr int kCentreX = 523;  // the middle of a 1046 x 718 slide
constexpr int kHeadingLeft = 45;
constexpr int kHeadingWidth = 830;

QString U(const char8_t* text) { return QString::fromUtf8(text); }

COLORREF Mix(COLORREF a, COLORREF b, double t) {
  const auto channel = [&](int shift) {
    const int ca = (a >> shift) & 0xFF, cb = (b >> shift) & 0xFF;
    return static_cast<COLORREF>(std::lround(ca + (cb - ca) * t)) << shift;
  };
  return channel(0) | channel(8) | channel(16);
}

// Where the 17 gradient reference points lie in the unit square.
constexpr std::array<QPointF, 17> kRefPoints = {{
    {0, 0}, {1, 0}, {1, 1}, {0, 1}, {0.5, 0}, {1, 0.5}, {0.5, 1}, {0, 0.5}, {0.5, 0.5},
    {0.25, 0}, {0.75, 0}, {1, 0.25}, {1, 0.75}, {0.75, 1}, {0.25, 1}, {0, 0.75}, {0, 0.25}}};

using Blend = std::function<double(QPointF)>;
const Blend kAcross = [](QPointF p) { return p.x(); };
const Blend kDown = [](QPointF p) { return p.y(); };
const Blend kDiagonal = [](QPointF p) { return (p.x() + p.y()) / 2; };
const Blend kFromCentre = [](QPointF p) { return std::min(1.0, std::hypot(p.x() - 0.5, p.y() - 0.5) * 2); };

void SetGradient(ObjectRecord& r, int pattern, COLORREF from, COLORREF to, const Blend& blend) {
  r.GradePattern = pattern;
  for (int i = 0; i < 17; ++i) r.refGrade[i] = Mix(from, to, blend(kRefPoints[i]));
}

// Every reference point its own hue: a colour wheel for the 16-part pattern.
void SetRainbow(ObjectRecord& r) {
  r.GradePattern = 16;
  for (int i = 0; i < 17; ++i) {
    const QPointF p = kRefPoints[i];
    const QColor c = i == 8 ? QColor(Qt::white)
                            : QColor::fromHsv(static_cast<int>(std::atan2(p.y() - 0.5, p.x() - 0.5) * 57.3 + 360) % 360, 200, 255);
    r.refGrade[i] = Rgb(c.red(), c.green(), c.blue());
  }
}

void Resize(ObjectRecord& r, double sx, double sy) {
  for (int i = 0; i < r.PointNum; ++i) {
    r.Points[i].x = r.CenterX + static_cast<int>(std::lround((r.Points[i].x - r.CenterX) * sx));
    r.Points[i].y = r.CenterY + static_cast<int>(std::lround((r.Points[i].y - r.CenterY) * sy));
  }
}

void SetColours(ObjectRecord& r, COLORREF men, COLORREF line, int futosa = 1) {
  r.refMen = men;
  r.refSecondMen = Mix(men, Rgb(0, 0, 0), 0.35);
  r.refLine = line;
  r.Futosa = static_cast<std::uint16_t>(futosa);
}

void SetText(ObjectRecord& r, const QString& text, int size, COLORREF colour, bool bold = false) {
  StoreCp932(r.Text, sizeof r.Text, text);
  r.FontSize = static_cast<std::uint16_t>(size);
  r.refText = colour;
  r.FontBold = bold ? 1 : 0;
}

void SetShadow(ObjectRecord& r, int dx, int dy, int lightDir, COLORREF colour = kShadow) {
  r.KageX = dx;
  r.KageY = dy;
  r.LightDir = static_cast<std::uint16_t>(lightDir);
  r.refKage = colour;
}

void SetEnd(ObjectRecord& r, int which, int style, int size, COLORREF colour) {
  LineEnd& e = r.Ends[which];
  e.EndStyle = static_cast<std::uint16_t>(style);
  e.EndLen = static_cast<std::uint16_t>(size);
  e.EndSize = static_cast<std::uint16_t>(size);
  e.refEnd = colour;
  e.refEndLine = colour;
}

// Lays a straight line's four vertices evenly from `a` to `b`.
void StraightLine(ObjectRecord& r, QPoint a, QPoint b) {
  for (int i = 0; i < 4; ++i) r.Points[i] = {a.x() + (b.x() - a.x()) * i / 3, a.y() + (b.y() - a.y()) * i / 3};
  r.CenterX = (a.x() + b.x()) / 2;
  r.CenterY = (a.y() + b.y()) / 2;
}

class SampleBuilder {
 public:
  // The sample is built as a new document is read: before anyone shows it,
  // so its records are finished in place after the factory made them.
  explicit SampleBuilder(Document& doc) : doc_(doc), edits_(doc), factory_(edits_, {}, [] { return ObjDefaults{}; }) {
    factory_.SetGlyphs(&glyphs_);
  }

  void Slide(int index, int transition) {
    DocHeader& h = doc_.Header();
    h.CurSlide = static_cast<std::uint16_t>(index);
    h.SlideCount = static_cast<std::uint16_t>(std::max<int>(h.SlideCount, index + 1));
    h.Transition[index] = static_cast<std::uint16_t>(transition);
  }

  // The object of `request` centred on `at` (slide units, at zoom 1).
  ObjectRecord& Add(int request, QPoint at, const ObjectContent& content = {}) {
    return doc_.Object(factory_.CreateObject(request, content, at, ViewArea{}).value());
  }

  ObjectRecord& Regular(bool star, int n, QPoint at) {
    const ObjectShape shape{objclass::Figure, star ? objkind::Star : objkind::Polygon, 0, n, false};
    return doc_.Object(factory_.BuildObject(shape, {}, at).value());
  }

  ObjectRecord& Label(const QString& text, QPoint at, int width, int size = 12, COLORREF colour = kGray) {
    ObjectRecord& r = Add(request::TextBox, at);
    Resize(r, width / 200.0, std::max(0.4, size / 40.0));
    SetText(r, text, size, colour);
    return r;
  }

  // The slide's heading with a rule under it, both clear of the zoom console
  // in the top-right corner.
  void Heading(const QString& text) {
    ObjectRecord& t = Label(text, {kHeadingLeft + kHeadingWidth / 2, 48}, kHeadingWidth, 24, kNavy);
    t.FontBold = 1;
    t.AlineH = 0;
    ObjectRecord& rule = Add(0, {kHeadingLeft + kHeadingWidth / 2, 85});
    StraightLine(rule, {kHeadingLeft, 85}, {kHeadingLeft + kHeadingWidth, 85});
    SetColours(rule, kNoColor, kBlue, 3);
  }

  // A design text of `text` at `size` points, its frame fitted as the text editor fits it.
  ObjectRecord& DesignText(const QString& text, QPoint at, int size) {
    ObjectRecord& r = Add(request::DesignText, at);
    StoreCp932(r.Text, sizeof r.Text, text);
    r.FontSize = static_cast<std::uint16_t>(size);
    r.FontBold = 1;
    r.MarginL = r.MarginR = r.MarginT = r.MarginB = 0;
    FitDesignText(r, QSize(doc_.Header().SlideW, doc_.Header().SlideH), glyphs_, doc_.Dpi().y);
    return r;
  }

  // The outline of one character as a figure, curved or straight.
  ObjectRecord& Character(const QString& character, QPoint at, bool curve) {
    factory_.SetCharChoice({QString::fromLatin1(kDefaultFace), true, false, curve});
    const ObjectShape shape{objclass::Figure, objkind::Char, 0, 4, false};
    return doc_.Object(factory_.BuildObject(shape, ObjectContent{character, nullptr, kNoColor, {}}, at).value());
  }

  ObjectRecord& AddPicture(std::shared_ptr<const Picture> picture, QSize size, QPoint at,
                           COLORREF transparent = kNoColor) {
    return Add(request::Picture, at, ObjectContent{QString(), std::move(picture), transparent, size});
  }

 private:
  Document& doc_;
  EditPath edits_;
  GlyphCache glyphs_;
  CMakeObj factory_;
};

void TitleSlide(SampleBuilder& b) {
  b.Slide(0, TransitionDirect);
  ObjectRecord& title = b.DesignText(U(u8"プレゼンテーション"), {kCentreX, 80}, 54);
  SetColours(title, kOrange, kNavy, 2);
  SetGradient(title, 1, kYellow, kRed, kDown);
  SetShadow(title, 5, 5, 0);

  ObjectRecord& banner = b.Add(9, {kCentreX, 235});
  Resize(banner, 2.9, 1.0);
  SetColours(banner, kNavy, kNoColor);
  SetGradient(banner, 0, kNavy, kTeal, kAcross);
  SetShadow(banner, 10, 10, 0);
  SetText(banner, U(u8"Tessaly へようこそ"), 40, kWhite, true);

  ObjectRecord& sub = b.Label(U(u8"図形・グラデーション・影・画像で、伝わるスライドを。"), {kCentreX, 420}, 760, 20, kNavy);
  SetShadow(sub, 2, 2, 0, Rgb(210, 210, 210));

  ObjectRecord& rule = b.Add(1, {kCentreX, 490});
  StraightLine(rule, {170, 490}, {876, 490});
  SetColours(rule, kNoColor, kBlue, 3);
  SetEnd(rule, 0, 2, 4, kBlue);
  SetEnd(rule, 1, 2, 4, kBlue);

  ObjectRecord& left = b.Regular(true, 5, {110, 600});
  Resize(left, 0.7, 0.7);
  SetColours(left, kYellow, kOrange, 2);
  SetGradient(left, 12, kYellow, kOrange, kFromCentre);
  SetShadow(left, 6, 6, 0);
  ObjectRecord& right = b.Regular(true, 8, {936, 600});
  Resize(right, 0.7, 0.7);
  SetColours(right, kSky, kBlue, 2);
  SetGradient(right, 13, kWhite, kBlue, kFromCentre);
  SetShadow(right, 6, 6, 2);

  b.Label(U(u8"PageDown で次のスライドへ ／ スライドショー → 本番開始 で全画面に"), {kCentreX, 660}, 700, 12);
}

void FlatFiguresSlide(SampleBuilder& b) {
  b.Slide(1, TransitionFade);
  b.Heading(U(u8"平面図形 ― 図形の中にも文字が書けます"));
  struct Item {
    int request;
    COLORREF fill;
    double scale;
  };
  const Item items[] = {{6, kOrange, 0.6},  {7, kBlue, 0.5},    {8, kGreen, 0.65},  {9, kPurple, 0.45},
                        {10, kTeal, 0.55},  {11, kPink, 0.5},   {12, kYellow, 0.6}, {13, kRed, 0.6},
                        {14, kSky, 0.65},   {15, kYellow, 0.7}, {16, kBlue, 0.6},   {17, kGreen, 0.45},
                        {18, kOrange, 0.42}};
  int k = 0;
  for (const Item& item : items) {
    const QPoint at(125 + (k % 5) * 200, 195 + (k / 5) * 195);
    const QString name = QString::fromUtf8(FindRequest(item.request)->galleryName);
    ObjectRecord& r = item.request == 12 ? b.Regular(false, 6, at)
                      : item.request == 13 ? b.Regular(true, 5, at)
                                           : b.Add(item.request, at);
    Resize(r, item.scale, item.scale);
    SetColours(r, item.fill, Mix(item.fill, Rgb(0, 0, 0), 0.4), 2);
    SetText(r, name, 10, item.fill == kYellow || item.fill == kSky ? kNavy : kWhite, true);
    if (k % 3 == 0) SetShadow(r, 6, 6, 0);
    ++k;
  }
  ObjectRecord& dodecagon = b.Regular(false, 12, {725, 585});
  Resize(dodecagon, 0.55, 0.55);
  SetColours(dodecagon, kWhite, kTeal, 2);
  SetGradient(dodecagon, 13, kWhite, kTeal, kFromCentre);
  SetText(dodecagon, U(u8"十二角形"), 10, kNavy, true);
  ObjectRecord& turned = b.Add(7, {925, 585});
  Resize(turned, 0.45, 0.45);
  turned.Angle = 0.785398;  // 45 degrees
  SetColours(turned, kPurple, kNavy, 2);
  SetGradient(turned, 10, kPink, kPurple, kDiagonal);
  SetText(turned, U(u8"回転も"), 10, kWhite, true);
}

void LinesSlide(SampleBuilder& b) {
  b.Slide(2, TransitionCrossFade);
  b.Heading(U(u8"線と線端 ― 直線・曲線・カギ線、矢印・円形・四角形"));
  struct Item {
    int request;
    COLORREF colour;
    int width;
    int style;
    int startEnd;
    int finishEnd;
    const char8_t* label;
  };
  const Item items[] = {
      {0, kBlue, 3, 1, 0, 2, u8"直線 ・ 破線 ・ 終点に円形"},
      {1, kRed, 4, 0, 1, 1, u8"直線(矢付き) ・ 両端に矢印"},
      {2, kGreen, 3, 2, 3, 3, u8"曲線 ・ 点線 ・ 両端に四角形"},
      {3, kOrange, 5, 0, 1, 1, u8"曲線(矢付き) ・ 太線"},
      {4, kPurple, 6, 5, 0, 0, u8"カギ線 ・ 二重線"},
      {5, kTeal, 3, 3, 2, 1, u8"カギ線(矢付き) ・ 一点破線"},
  };
  int k = 0;
  for (const Item& item : items) {
    const QPoint at(275 + (k % 2) * 500, 185 + (k / 2) * 175);
    ObjectRecord& r = b.Add(item.request, at);
    Resize(r, 1.7, 0.55);
    SetColours(r, kNoColor, item.colour, item.width);
    r.LineStyle = static_cast<std::uint16_t>(item.style);
    SetEnd(r, 0, item.startEnd, 4, item.colour);
    SetEnd(r, 1, item.finishEnd, 4, item.colour);
    b.Label(U(item.label), at + QPoint(0, 75), 400, 12);
    ++k;
  }
}

void SolidsSlide(SampleBuilder& b) {
  b.Slide(3, TransitionWipeTop);
  b.Heading(U(u8"立体図形と影 ― 光源の方向で影の位置が変わります"));
  struct Item {
    int request;
    COLORREF fill;
    int light;
    const char8_t* label;
  };
  const Item items[] = {{19, kSky, 0, u8"円柱 ・ 光源: 左上から"},
                        {20, kYellow, 2, u8"長方体 ・ 光源: 右上から"},
                        {21, kGreen, 6, u8"ボタン ・ 光源: 左下から"},
                        {22, kPink, 8, u8"ピラミッド ・ 光源: 右下から"}};
  int k = 0;
  for (const Item& item : items) {
    const QPoint at(140 + k * 255, 300);
    ObjectRecord& r = b.Add(item.request, at);
    Resize(r, 0.7, 0.7);
    SetColours(r, item.fill, kNavy, 2);
    SetShadow(r, 14, 14, item.light);
    b.Label(U(item.label), {at.x(), 480}, 240, 12);
    ++k;
  }
  ObjectRecord& note = b.Add(15, {kCentreX, 600});
  Resize(note, 2.2, 0.7);
  SetColours(note, Rgb(255, 242, 204), kOrange, 1);
  SetText(note, U(u8"影の色と向きは、図形ごとに変えられます"), 12, kGray);
}

void BalloonsSlide(SampleBuilder& b) {
  b.Slide(4, TransitionWipeBottom);
  b.Heading(U(u8"吹き出し ― 会話や補足に"));
  ObjectRecord& a = b.Add(23, {280, 270});
  Resize(a, 0.95, 0.8);
  SetColours(a, kWhite, kBlue, 2);
  SetText(a, U(u8"こんにちは！\nTessaly です"), 16, kNavy, true);
  SetShadow(a, 6, 6, 0);

  ObjectRecord& r = b.Add(24, {760, 270});
  Resize(r, 0.95, 0.8);
  SetColours(r, Rgb(226, 239, 218), kGreen, 2);
  SetText(r, U(u8"図形の中に\n文字を書けます"), 16, kGray);

  ObjectRecord& cloud = b.Add(25, {290, 540});
  Resize(cloud, 0.6, 0.6);
  SetColours(cloud, kSky, kBlue, 2);
  SetGradient(cloud, 1, kWhite, kSky, kDown);
  SetText(cloud, U(u8"雲形の吹き出しも"), 14, kNavy);

  ObjectRecord& simple = b.Add(26, {760, 540});
  Resize(simple, 0.9, 0.8);
  SetColours(simple, Rgb(252, 228, 214), kOrange, 2);
  SetText(simple, U(u8"考え中…"), 16, kRed, true);
  SetShadow(simple, 6, 6, 2);
}

void GradientsSlide(SampleBuilder& b) {
  b.Slide(5, TransitionWipeLeft);
  b.Heading(U(u8"グラデーション ― 17 色の基準点と 14 のパターン"));
  struct Item {
    int pattern;
    COLORREF from;
    COLORREF to;
    const Blend* blend;
    const char8_t* label;
  };
  const Item items[] = {{0, kBlue, kSky, &kAcross, u8"水平方向"},
                        {1, kOrange, kYellow, &kDown, u8"垂直方向"},
                        {4, kGreen, kWhite, &kAcross, u8"上下２段水平方向"},
                        {6, kPurple, kPink, &kDown, u8"垂直方向（４分割）"},
                        {10, kNavy, kTeal, &kDiagonal, u8"左上から右下方向"},
                        {12, kRed, kYellow, &kFromCentre, u8"対角線方向（４分割）"},
                        {13, kBlue, kWhite, &kFromCentre, u8"対角線方向（８分割）"},
                        {16, kWhite, kWhite, nullptr, u8"対角線方向（１６分割）"}};
  int k = 0;
  for (const Item& item : items) {
    const QPoint at(140 + (k % 4) * 255, 220 + (k / 4) * 240);
    ObjectRecord& r = b.Add(8, at);
    Resize(r, 1.0, 1.2);
    SetColours(r, item.from, kGray, 1);
    if (item.blend) SetGradient(r, item.pattern, item.from, item.to, *item.blend);
    else SetRainbow(r);
    b.Label(U(item.label), at + QPoint(0, 90), 240, 12);
    ++k;
  }
}

void PictureSlide(SampleBuilder& b) {
  b.Slide(6, TransitionWipeRight);
  b.Heading(U(u8"画像 ― JPEG・GIF・BMP を貼り付けて、影や透過色も"));
  const QSize landscape(560, 360);
  ObjectRecord& photo = b.AddPicture(Picture::Load(EncodeJpeg(DrawLandscape(landscape))), landscape, {350, 370});
  SetColours(photo, kNoColor, kNavy, 2);
  SetShadow(photo, 10, 10, 0);
  b.Label(U(u8"プログラムで描いた風景（JPEG）"), {350, 590}, 560, 12);

  const QImage badge = DrawBadge(180);
  b.AddPicture(Picture::Wrap(badge), badge.size(), {835, 300}, kWhite);
  b.Label(U(u8"白を透過色にした画像"), {835, 430}, 260, 12);

  ObjectRecord& arrow = b.Add(16, {835, 540});
  Resize(arrow, 0.9, 0.5);
  SetColours(arrow, kOrange, kNoColor);
  SetGradient(arrow, 0, kYellow, kOrange, kAcross);
  SetText(arrow, U(u8"次は まとめ"), 11, kNavy, true);
}

void SummarySlide(SampleBuilder& b) {
  b.Slide(7, TransitionInterlace);
  b.Heading(U(u8"まとめ"));
  ObjectRecord& box = b.Add(request::TextBox, {kCentreX, 340});
  Resize(box, 3.4, 3.2);
  SetColours(box, kSky, kBlue, 2);
  SetGradient(box, 1, kWhite, kSky, kDown);
  SetShadow(box, 8, 8, 0);
  SetText(box,
          U(u8"・ 31 種類のオブジェクト：図形、テキスト、画像\n"
            u8"・ 塗りつぶし、グラデーション、影と光源\n"
            u8"・ 線のスタイルと線端（矢印・円形・四角形）\n"
            u8"・ スライドごとの切り替え効果\n"
            u8"・ デザインテキスト、ポリゴン文字、文字イン文字\n"
            u8"・ スライドショー、PDF・画像・自動実行ファイルへの書き出し"),
          18, kNavy);
  box.AlineH = 0;
  box.MarginL = box.MarginR = 20;

  // Two characters as figures: one curved and filled with repeated text, one straight.
  ObjectRecord& left = b.Character(U(u8"文"), {100, 340}, true);
  Resize(left, 0.55, 0.55);
  SetColours(left, kWhite, kBlue, 2);
  StoreCp932(left.CharaText, sizeof left.CharaText, U(u8"文字"));
  left.ChararefText = kBlue;
  left.CharaFontSize = 9;
  left.CharaCharMargin = 2;
  left.CharaLineMargin = 0;
  ObjectRecord& right = b.Character(U(u8"字"), {946, 340}, false);
  Resize(right, 0.55, 0.55);
  SetColours(right, kOrange, kRed, 2);
  SetGradient(right, 12, kYellow, kOrange, kFromCentre);
  SetShadow(right, 6, 6, 0);
  ObjectRecord& end = b.Label(U(u8"最後のスライドの次に、終了メッセージが表示されます"), {kCentreX, 600}, 700, 12);
  end.refText = kBlue;
}

}  // namespace

void BuildSamplePresentation(Document& doc) {
  doc.NewDocument(NewDocumentSettings{});
  doc.Header().Zoom = 1.0f;
  SampleBuilder b(doc);
  TitleSlide(b);
  FlatFiguresSlide(b);
  LinesSlide(b);
  SolidsSlide(b);
  BalloonsSlide(b);
  GradientsSlide(b);
  PictureSlide(b);
  SummarySlide(b);
  StoreCp932(doc.Header().EndText, sizeof doc.Header().EndText,
             U(u8"ご覧いただき、ありがとうございました。@Tessaly で作成しました"));
  doc.Header().CurSlide = 0;
  // Right of the slide; a narrower window keeps it in its top-right corner,
  // where no slide has anything.
  doc.Header().ConsoleX = doc.Header().SlideW + 79;
  doc.Header().ConsoleY = 70;
  for (int i = 0; i < doc.ObjCount(); ++i) doc.View(i).Selected = 0;
}

Result<void> SaveSamplePresentation(const QString& path) {
  Document doc;
  BuildSamplePresentation(doc);
  const QTemporaryDir scratch;
  const QString data = scratch.filePath("Sample.dat");
  if (!scratch.isValid() || !WriteDataFile(doc, data)) return Failure{msg::SaveFailed, data + "\n"};
  return Pack(data, path, false);
}
