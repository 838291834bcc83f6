#include "editor/factory/MakeObj.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "base/Cp932.h"
#include "base/MessageIds.h"
#include "core/EditPath.h"
#include "editor/factory/Requests.h"
#include "geometry/DefaultOutline.h"
#include "geometry/Rotation.h"
#include "render/CharOutline.h"
#include "render/DesignTextFit.h"
#include "render/glyph/GlyphCache.h"

namespace {

constexpr int kTextBytes = 990;

std::uint16_t U16(int v) {
  return static_cast<std::uint16_t>(std::clamp(v, 0, int{std::numeric_limits<std::uint16_t>::max()}));
}

// Stores `text` cut at a character boundary to fit `size` with its NUL; each
// character CP932 cannot hold becomes one '?'.
void StoreText(char* buffer, std::size_t size, QString text) {
  qsizetype bad = -1;
  std::optional<QByteArray> bytes;
  while (!(bytes = EncodeCp932(text, &bad)) && bad >= 0 && bad < text.size()) {
    const bool pair = text[bad].isHighSurrogate() && bad + 1 < text.size() && text[bad + 1].isLowSurrogate();
    text.replace(bad, pair ? 2 : 1, QLatin1Char('?'));
  }
  StoreCp932Bytes(buffer, size, bytes.value_or(QByteArray()));
}

// The four corners, clockwise from the top left, of a w x h frame centred on c.
void SetFrame(ObjectRecord& r, QPoint c, QSize size) {
  const int left = c.x() - size.width() / 2;
  const int top = c.y() - size.height() / 2;
  const int right = left + size.width();
  const int bottom = top + size.height();
  r.Points[0] = {left, top};
  r.Points[1] = {right, top};
  r.Points[2] = {right, bottom};
  r.Points[3] = {left, bottom};
  r.PointNum = 4;
}

QString RequestText(const ObjectRequest& req, const QString& given) {
  switch (req.textRule) {
    case TextRule::Empty: return QString();
    case TextRule::GivenOrPrompt: return given.isEmpty() ? QString::fromUtf8(req.text) : given;
    case TextRule::Fixed: return QString::fromUtf8(req.text);
  }
  return QString();
}

void FillText(ObjectRecord& r, const ObjDefaults& d, const QString& text) {
  StoreText(r.Text, kTextBytes + 1, text);
  StoreText(r.FontName, sizeof r.FontName, d.fontName);
  r.FontSize = U16(r.ObjClass == objclass::DText ? d.dtFontSize : d.fontSize);
  r.FontBold = d.fontBold;
  r.FontItalic = d.fontItalic;
  r.FontDel = d.fontDel;
  r.FontUnder = d.fontUnder;
  r.WordWrap = d.wordWrap;
  r.CharMargin = U16(d.charMargin);
  r.LineMargin = U16(d.lineMargin);
  r.refText = d.refText;
  r.refTextBk = d.refTextBk;
  r.MarginL = U16(d.marginL);
  r.MarginR = U16(d.marginR);
  r.MarginT = U16(d.marginT);
  r.MarginB = U16(d.marginB);
  r.AlineV = U16(d.alineV);
  r.AlineH = U16(d.alineH);
}

void FillChara(ObjectRecord& r, const ObjDefaults& d) {
  StoreText(r.CharaFontName, sizeof r.CharaFontName, d.charaFontName);
  r.CharaFontSize = U16(d.charaFontSize);
  r.CharaFontBold = d.charaFontBold;
  r.CharaFontItalic = d.charaFontItalic;
  r.ChararefText = d.chararefText;
  r.CharaCharMargin = U16(d.charaCharMargin);
  r.CharaLineMargin = U16(d.charaLineMargin);
}

// A text box or a picture with a transparent colour starts without fill and
// line; the gradient colours always start as the stored fill colour.
void FillColours(ObjectRecord& r, const ObjDefaults& d, bool noColour) {
  r.refMen = noColour ? kNoColor : d.refMen;
  r.refSecondMen = noColour ? kNoColor : d.refSecondMen;
  r.refLine = noColour ? kNoColor : d.refLine;
  r.GradePattern = -1;
  r.GradeRound = d.gradeRound;
  std::fill(std::begin(r.refGrade), std::end(r.refGrade), d.refMen);
  r.Futosa = U16(d.futosa);
  r.LineStyle = U16(d.lineStyle);
  r.KageX = d.kageX;
  r.KageY = d.kageY;
  r.refKage = d.refKage;
}

// The line variants with arrowheads (odd) force both ends on, the others off.
void FillEnds(ObjectRecord& r, const ObjDefaults& d, const ObjectShape& shape) {
  const bool line = shape.objClass == objclass::Figure && shape.kind == objkind::Line;
  for (int k = 0; k < 2; ++k) {
    const EndDefaults& e = d.ends[k];
    LineEnd& end = r.Ends[k];
    end.EndStyle = U16(line ? shape.variant % 2 : e.style);
    end.EndLen = U16(e.len);
    end.EndSize = U16(e.size);
    end.refEnd = e.ref;
    end.refEndLine = e.refLine;
    end.EndFutosa = U16(e.futosa);
    end.EndLineStyle = U16(e.lineStyle);
  }
}

}  // namespace

QPoint VisibleSlideCentre(const DocHeader& h, const ViewArea& area) {
  const int left = area.scroll.x();
  const int top = area.scroll.y();
  const int right = std::min(left + area.client.width(), ToView(h.SlideW, h.Zoom));
  const int bottom = std::min(top + area.client.height(), ToView(h.SlideH, h.Zoom));
  return {(left + right) / 2, (top + bottom) / 2};
}

QSize FitPicture(QSize picture, QSize slide, int imageW) {
  const int w = picture.width();
  const int h = picture.height();
  if (w < slide.width() && h < slide.height()) return picture;
  const float toWidth = static_cast<float>(imageW) / static_cast<float>(w);
  const float toHeight = static_cast<float>(slide.height()) / static_cast<float>(h);
  // A very thin picture keeps at least one unit across.
  if (toWidth <= toHeight) return {imageW, std::max(1, static_cast<int>(h * toWidth))};
  return {std::max(1, static_cast<int>(w * toHeight)), slide.height()};
}

CMakeObj::CMakeObj(EditPath& edits, FactoryDialogs dialogs, DefaultsSource defaults)
    : edits_(edits), dialogs_(std::move(dialogs)), defaults_(std::move(defaults)) {}

CMakeObj::~CMakeObj() = default;

GlyphCache& CMakeObj::Glyphs() {
  if (glyphs_) return *glyphs_;
  if (!ownGlyphs_) ownGlyphs_ = std::make_unique<GlyphCache>();
  return *ownGlyphs_;
}

Result<int> CMakeObj::CreateObject(int request, const ObjectContent& content, QPoint point,
                                   const ViewArea& area) {
  const ObjectRequest* req = FindRequest(request);
  if (!req) return Failure{};
  ClearSelection();
  ObjectShape shape{req->objClass, req->kind, req->variant, req->n, req->noColour};
  if (req->ask != AskCount::No) {
    const std::optional<int> n = AskVertexCount(req->ask == AskCount::Star);
    if (!n) return Failure{};
    shape.n = *n;
  }
  ObjectContent c = content;
  c.text = RequestText(*req, content.text);
  if (request == request::PolygonChar) {
    const std::optional<CharDialogValues> chosen = dialogs_.askCharacter ? dialogs_.askCharacter() : std::nullopt;
    if (!chosen) return Failure{};
    charChoice_ = chosen->choice;
    c.text = chosen->text;
  }
  if (point == kViewCentre) point = VisibleSlideCentre(edits_.Doc().Header(), area);
  return BuildObject(shape, c, point);
}

std::optional<int> CMakeObj::AskVertexCount(bool star) {
  if (!dialogs_.askVertexCount) return std::nullopt;
  const VertexCountAsk ask = VertexCountFor(star);
  const std::optional<int> n = dialogs_.askVertexCount(ask);
  if (!n || !VertexCountAllowed(ask, *n)) return std::nullopt;
  RememberVertexCount(*n);
  return n;
}

void CMakeObj::ClearSelection() {
  const Document& doc = edits_.Doc();
  for (int i = 0; i < doc.ObjCount(); ++i) doc.View(i).Selected = 0;
}

Result<int> CMakeObj::BuildObject(const ObjectShape& shape, const ObjectContent& content, QPoint point) {
  const Document& doc = edits_.Doc();
  if (Result<void> room = doc.HasRoomFor(1); !room) return room.error();
  const bool image = shape.objClass == objclass::Image;
  if (image && (!content.picture || content.pictureSize.width() <= 0 || content.pictureSize.height() <= 0))
    return Failure{};

  const ObjDefaults d = defaults_();
  const DocHeader& h = doc.Header();
  const float zoom = h.Zoom > 0 ? h.Zoom : 1.0f;
  const QPoint at(static_cast<int>(point.x() / zoom), static_cast<int>(point.y() / zoom));

  ObjectRecord r{};
  r.ObjClass = shape.objClass;
  r.ObjKind = shape.kind;
  r.Slide = h.CurSlide;
  r.CenterX = at.x();
  r.CenterY = at.y();
  if (image) SetFrame(r, at, FitPicture(content.pictureSize, QSize(h.SlideW, h.SlideH), d.imageW));
  r.RoundR = U16(d.roundR);
  r.TextRotate = 1;
  const bool transparent = content.transparent != kNoColor;
  r.ImageKind = transparent ? 1 : 0;
  r.TransOn = transparent ? 1 : 0;
  r.refTrans = transparent ? content.transparent : kNoColor;
  FillText(r, d, content.text);
  FillColours(r, d, shape.noColour || transparent);
  FillChara(r, d);
  FillEnds(r, d, shape);
  r.AnchorCurve = 1;
  std::fill(std::begin(r.PointFixed), std::end(r.PointFixed), 1);

  if (shape.objClass == objclass::DText) {
    FitDesignText(r, QSize(h.SlideW, h.SlideH), Glyphs(), doc.Dpi().y);
    r.Curve = 1;
  } else if (shape.objClass == objclass::Figure && shape.kind == objkind::Char) {
    if (Result<void> built = BuildCharacter(r, at); !built) return built.error();
  } else if (shape.objClass == objclass::Figure && !DefaultOutline(r, shape.variant, shape.n)) {
    return Failure{};
  }

  return edits_.Apply(EditKind::NoSnapshot, [&](Document& target) {
    Result<int> index = target.AddObject(r);
    if (index && image) target.Object(*index).Picture = target.Pictures().Add(content.picture);
    return index;
  });
}

Result<void> CMakeObj::BuildCharacter(ObjectRecord& r, QPoint at) {
  CharChoice choice = charChoice_;
  for (;;) {
    switch (BuildCharOutline(r, choice, at, Glyphs(), edits_.Doc().Dpi().y)) {
      case CharOutlineStatus::Built: return {};
      case CharOutlineStatus::NoOutline: return Failure{};
      case CharOutlineStatus::TooManyForCurve:
        if (!dialogs_.askYesNo || !dialogs_.askYesNo(msg::AskTooManyVertices)) return Failure{};
        choice.curve = false;
        break;
      case CharOutlineStatus::TooManyForStraight:
        return Failure{msg::CharTooComplex, QString(), MsgStyle::Info};
    }
  }
}
