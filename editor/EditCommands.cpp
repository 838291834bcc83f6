#include "editor/EditCommands.h"

#include <QClipboard>
#include <QMimeData>
#include <algorithm>
#include <cstring>

#include "base/Cp932.h"
#include "base/MessageIds.h"
#include "base/MessageSink.h"
#include "base/StringTable.h"
#include "core/EditPath.h"
#include "core/container/WorkFolder.h"
#include "core/picture/Picture.h"
#include "editor/CSeiretu.h"
#include "editor/CommandRegistry.h"
#include "editor/ContextMenus.h"
#include "editor/FlipTurn.h"
#include "editor/InPlaceText.h"
#include "editor/MiradoView.h"
#include "editor/ObjectClipboard.h"
#include "editor/ObjectOrder.h"
#include "editor/OutlineDrags.h"
#include "editor/VertexCommands.h"
#include "editor/factory/Requests.h"

namespace {

bool IsFreeOutline(const ObjectRecord& r) {
  return r.ObjClass == objclass::Figure && (r.ObjKind == objkind::Line || r.ObjKind == objkind::Polygon);
}

// Makes a line a polygon or back; a curved outline keeps the structure of its new kind.
bool ChangeKind(ObjectRecord& r, std::uint16_t kind) {
  if (r.ObjKind == kind) return false;
  r.ObjKind = kind;
  if (r.Curve) {
    r.Curve = 0;
    SetCurve(r, true);
  }
  return true;
}

void RemoveSelected(Document& doc, int slide) {
  for (int i = doc.ObjCount() - 1; i >= 0; --i)
    if (doc.View(i).Selected && doc.Object(i).Slide == slide) doc.RemoveObject(i);
}

}  // namespace

EditCommands::EditCommands(EditPath& edits, CMiradoView& view, CommandRegistry& commands, EditDialogs dialogs)
    : edits_(edits), view_(view), commands_(commands), dialogs_(std::move(dialogs)) {
  if (QClipboard* clipboard = dialogs_.clipboard ? dialogs_.clipboard() : nullptr)
    clipboardWatch_ = QObject::connect(clipboard, &QClipboard::dataChanged, [this] { canPaste_.reset(); });
  RegisterClipboard();
  RegisterOrder();
  RegisterObjectToggles();
  RegisterVertices();
  RegisterLineEnds();
  RegisterTurns();
  RegisterAlignment();
}

void EditCommands::Add(int id, const char* name, const char* label, std::function<void()> run,
                       std::function<bool()> enabled) {
  const char* menuLabel = MenuItemLabel(id);
  commands_.Add({id, name, QString::fromUtf8(*menuLabel ? menuLabel : label), std::move(run), std::move(enabled)});
}

int EditCommands::Slide() const { return edits_.Doc().Header().CurSlide; }

int EditCommands::Primary() const {
  const int p = view_.Selection().primary;
  return p < edits_.Doc().ObjCount() ? p : -1;
}

bool EditCommands::ShowIfFailed(const Result<void>& result) {
  if (!result && dialogs_.failed) dialogs_.failed(result.error());
  return !result;
}

bool EditCommands::OnPrimary(const std::function<bool(ObjectRecord&)>& change) {
  const int p = Primary();
  if (p < 0) return false;
  return edits_.Apply(EditKind::Undoable, [&](Document& d) { return change(d.Object(p)); });
}

bool EditCommands::SetProperty(const PropertyChange& change) {
  const PropertyScope scope{Slide(), view_.Selection()};
  return edits_.Apply(EditKind::Undoable, [&](Document& d) { return ApplyProperty(d, scope, change); });
}

bool EditCommands::PropertyAvailable(int id) const {
  return PropertyEnabled(edits_.Doc(), {Slide(), view_.Selection()}, id);
}

EditCommands::~EditCommands() { QObject::disconnect(clipboardWatch_); }

bool EditCommands::CanPaste() const {
  if (!dialogs_.clipboard) return false;
  if (!canPaste_) canPaste_ = Classify(dialogs_.clipboard()->mimeData()) != ClipKind::None;
  return *canPaste_;
}

void EditCommands::RegisterClipboard() {
  const auto anySelected = [this] { return SelectedOnSlide(edits_.Doc(), Slide()) > 0; };
  Add(ID_EDIT_COPY, "ID_EDIT_COPY", "", [this] { Copy(); }, anySelected);
  Add(ID_EDIT_PASTE, "ID_EDIT_PASTE", "", [this] { Paste(); }, [this] { return CanPaste(); });
  Add(ID_EDIT_DELETE, "ID_EDIT_DELETE", "", [this] { Delete(); },
      [this] { return Primary() >= 0 && !view_.TextEditor(); });
  Add(ID_TEXT_DLG, "ID_TEXT_DLG", "", [this] { EditText(); }, [this] { return Primary() >= 0; });
  Add(ID_GUIDE, "ID_GUIDE", "操作ガイド(&G)", [this] { ToggleGuide(); }, {});
}

void EditCommands::Copy() {
  std::unique_ptr<QMimeData> data = CopyToMime(edits_.Doc(), Slide());
  if (!data || !dialogs_.clipboard) return;
  DeleteClipboardFile();  // the latest copy wins: a copied slide is forgotten
  copyPoint_ = view_.RightClickPoint();
  dialogs_.clipboard()->setMimeData(data.release());
}

void EditCommands::Paste() {
  if (!dialogs_.clipboard) return;
  switch (Classify(dialogs_.clipboard()->mimeData())) {
    case ClipKind::Objects: PasteObjects(); break;
    case ClipKind::Text: PasteText(); break;
    case ClipKind::Picture: PastePicture(); break;
    case ClipKind::None: break;
  }
}

void EditCommands::PasteObjects() {
  const Result<Document> clip = DecodeObjects(edits_.Doc(), dialogs_.clipboard()->mimeData()->data(kObjectsMime));
  if (!clip) {
    dialogs_.failed(clip.error());
    return;
  }
  const QPoint offset = PasteOffset(view_.RightClickPoint(), copyPoint_, edits_.Doc().Header().Zoom);
  const int slide = Slide();
  const Result<std::vector<int>> pasted = edits_.Apply(
      EditKind::Undoable, [&](Document& d) { return ::PasteObjects(d, *clip, slide, offset); });
  if (!pasted) {
    dialogs_.failed(pasted.error());
    return;
  }
  SelectionState sel;
  sel.primary = pasted->front();
  view_.SetSelection(sel);
}

void EditCommands::PasteText() {
  const QString text = PastedText(*dialogs_.clipboard()->mimeData());
  bool onePerLine = false;
  if (text.contains('\n')) {
    const int answer = dialogs_.ask(msg::AskPasteLines, MsgStyle::YesNoCancel);
    if (answer == IDCANCEL) return;
    onePerLine = answer == IDNO;
  }
  CMakeObj factory(edits_);
  factory.SetGlyphs(&view_.Glyphs());
  EditPath::Pending step = edits_.Begin(EditKind::Undoable);
  int last = -1;
  for (const QString& piece : TextPieces(text, onePerLine)) {
    ObjectContent content;
    content.text = piece;
    const Result<int> index = factory.CreateObject(request::TextBox, content, kViewCentre, view_.VisibleArea());
    if (!index) {
      if (index.error().id != msg::None) dialogs_.failed(index.error());
      break;
    }
    last = *index;
  }
  if (last < 0) return;  // nothing made: the step goes
  step.Commit();
  view_.SelectNewObject(last);
}

void EditCommands::PastePicture() {
  const QImage image = qvariant_cast<QImage>(dialogs_.clipboard()->mimeData()->imageData());
  if (image.isNull()) {
    dialogs_.failed(Failure{msg::PasteImageFailed, QString::fromUtf8("クリップボードからの取得エラー\n")});
    return;
  }
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  ObjectContent content;
  content.picture = Picture::Wrap(rgb, edits_.Doc().Dpi().x);
  content.pictureSize = rgb.size();
  CMakeObj factory(edits_);
  EditPath::Pending step = edits_.Begin(EditKind::Undoable);
  const Result<int> index = factory.CreateObject(request::Picture, content, kViewCentre, view_.VisibleArea());
  if (!index) {
    if (index.error().id != msg::None) dialogs_.failed(index.error());
    return;
  }
  step.Commit();
  view_.SelectNewObject(*index);
}

void EditCommands::Delete() {
  if (Primary() < 0 || view_.TextEditor()) return;
  if (dialogs_.ask(msg::AskDeleteObjects, MsgStyle::YesNo) != IDYES) return;
  const int slide = Slide();
  edits_.Apply(EditKind::Undoable, [slide](Document& d) { RemoveSelected(d, slide); });
  view_.SetSelection({});
}

void EditCommands::EditText() {
  const int p = Primary();
  if (p < 0 || !dialogs_.editText) return;
  const ObjectRecord& r = edits_.Doc().Object(p);
  const bool design = r.ObjClass == objclass::DText;
  const std::optional<QString> text =
      dialogs_.editText(DecodeCp932Buffer(r.Text, sizeof r.Text), design ? kDesignTextLimit : kTextLimit);
  if (!text) return;
  // Design text is one line.
  const QString stored = design ? text->section('\n', 0, 0) : *text;
  OnPrimary([&](ObjectRecord& rec) {
    char before[sizeof rec.Text];
    std::memcpy(before, rec.Text, sizeof before);
    StoreCp932(rec.Text, sizeof rec.Text, stored);
    return std::memcmp(before, rec.Text, sizeof before) != 0;
  });
}

void EditCommands::ToggleGuide() {
  const bool on = !view_.GuideOn();
  view_.SetGuideOn(on);
  if (dialogs_.guideChanged) dialogs_.guideChanged(on);
  if (!dialogs_.note) return;
  QString text = LoadString(msg::GuideTurnedOn).value_or(QString());
  if (!on) text.replace(QString::fromUtf8("する"), QString::fromUtf8("しない"));
  dialogs_.note(text, on ? 0 : 1000);
}

void EditCommands::RegisterOrder() {
  const auto hasPrimary = [this] { return Primary() >= 0; };
  const auto reorder = [this](bool (*op)(Document&, int&)) {
    return [this, op] {
      int primary = Primary();
      if (!edits_.Apply(EditKind::Undoable, [&](Document& d) { return op(d, primary); })) return;
      SelectionState sel;
      sel.primary = primary;
      view_.SetSelection(sel);
    };
  };
  Add(ID_TO_FRONT, "ID_TO_FRONT", "", reorder(&BringToFront), hasPrimary);
  Add(ID_TO_BACK, "ID_TO_BACK", "", reorder(&SendToBack), hasPrimary);
  Add(ID_SWAP_ORDER, "ID_SWAP_ORDER", "",
      [this] {
        const int p = Primary();
        if (!edits_.Apply(EditKind::Undoable, [](Document& d) { return SwapFrontBack(d); })) return;
        // The primary object moved with its record.
        SelectionState sel;
        for (int i = 0; i < edits_.Doc().ObjCount() && p >= 0; ++i)
          if (edits_.Doc().View(i).Selected && i != p && edits_.Doc().Object(i).Slide == Slide()) sel.primary = i;
        view_.SetSelection(sel);
      },
      [this] { return Primary() >= 0 && SelectedOnSlide(edits_.Doc(), Slide()) == 2; });
}

void EditCommands::RegisterObjectToggles() {
  const auto hasPrimary = [this] { return Primary() >= 0; };
  Add(ID_TEXT_ROTATE, "ID_TEXT_ROTATE", "", [this] {
        const int p = Primary();
        if (p < 0) return;
        const int slide = Slide();
        const std::int32_t value = edits_.Doc().Object(p).TextRotate ? 0 : 1;
        edits_.Apply(EditKind::Undoable, [&](Document& d) {
          bool changed = false;
          for (int i = 0; i < d.ObjCount(); ++i) {
            ObjectRecord& r = d.Object(i);
            if (!d.View(i).Selected || r.Slide != slide || r.TextRotate == value) continue;
            r.TextRotate = value;
            changed = true;
          }
          return changed;
        });
      }, hasPrimary);
  Add(ID_CHAR_ONLY_ROTATE, "ID_CHAR_ONLY_ROTATE", "",
      [this] { OnPrimary([](ObjectRecord& r) { return r.CharOnlyRotate = r.CharOnlyRotate ? 0 : 1, true; }); },
      hasPrimary);
  Add(ID_ANCHOR_CURVE, "ID_ANCHOR_CURVE", "",
      [this] { OnPrimary([](ObjectRecord& r) { return r.AnchorCurve = r.AnchorCurve ? 0 : 1, true; }); },
      hasPrimary);
  Add(ID_SHOW_POINT_NO, "ID_SHOW_POINT_NO", "", [this] {
        edits_.Apply(EditKind::NoSnapshot,
                     [](Document& d) { d.Header().ShowPointNo = d.Header().ShowPointNo ? 0 : 1; });
      }, {});
  // The shaded faces of solid figures.
  Add(ID_SECOND_BK, "ID_SECOND_BK", "第2内面色", [this] {
        const int p = Primary();
        if (p < 0 || !dialogs_.chooseColor) return;
        const std::optional<COLORREF> colour = dialogs_.chooseColor(edits_.Doc().Object(p).refSecondMen);
        if (colour) SetProperty({ID_SECOND_BK, static_cast<int>(*colour)});
      }, hasPrimary);
  Add(ID_POINT_NO_COLOR, "ID_POINT_NO_COLOR", "", [this] {
        if (!dialogs_.chooseColor) return;
        const std::optional<COLORREF> colour = dialogs_.chooseColor(edits_.Doc().Header().refPointNo);
        if (!colour) return;
        edits_.Apply(EditKind::NoSnapshot, [&](Document& d) {
          if (d.Header().refPointNo == *colour) return false;
          d.Header().refPointNo = *colour;
          return true;
        });
      }, {});
}

void EditCommands::RegisterVertices() {
  const auto onEdge = [this] { return Primary() >= 0 && view_.Selection().edgeA >= 0; };
  const auto onVertex = [this] { return Primary() >= 0 && view_.Selection().vertex >= 0; };
  const auto outline = [this] { return Primary() >= 0 && edits_.Doc().Object(Primary()).ObjClass == objclass::Figure; };
  const struct {
    int id;
    const char* name;
    int n;
  } inserts[] = {{ID_ADD_POINT1, "ID_ADD_POINT1", 1},
                 {ID_ADD_POINT2, "ID_ADD_POINT2", 2},
                 {ID_ADD_POINT3, "ID_ADD_POINT3", 3}};
  for (const auto& row : inserts) {
    const int n = row.n;
    Add(row.id, row.name, "", [this, n] {
          const SelectionState s = view_.Selection();
          Result<void> result{};
          OnPrimary([&](ObjectRecord& r) { return (result = InsertVertices(r, s.edgeA, s.edgeB, n)).has_value(); });
          ShowIfFailed(result);
        }, onEdge);
  }
  Add(ID_DEL_POINT, "ID_DEL_POINT", "", [this] {
        const int v = view_.Selection().vertex;
        Result<void> result{};
        OnPrimary([&](ObjectRecord& r) { return (result = DeleteVertex(r, v)).has_value(); });
        if (!ShowIfFailed(result)) view_.SetSelection({Primary()});
      }, onVertex);
  Add(ID_POINT_COORD, "ID_POINT_COORD", "", [this] {
        const int p = Primary();
        const int v = view_.Selection().vertex;
        if (p < 0 || v < 0 || !dialogs_.askPoint) return;
        const DocHeader& h = edits_.Doc().Header();
        const QPoint drawn = DrawnVertex(edits_.Doc().Object(p), v);
        const std::optional<QPoint> at = dialogs_.askPoint(drawn, QSize(h.SlideW, h.SlideH));
        if (at) edits_.Apply(EditKind::Undoable, [&](Document& d) { return PlaceVertex(d, p, v, *at); });
      }, onVertex);
  Add(ID_FIX_POINT, "ID_FIX_POINT", "", [this] {
        const int v = view_.Selection().vertex;
        OnPrimary([v](ObjectRecord& r) { return r.PointFixed[v] = r.PointFixed[v] ? 0 : 1, true; });
      }, onVertex);
  const auto fixAll = [this](std::uint8_t value) {
    return [this, value] {
      OnPrimary([value](ObjectRecord& r) {
        const bool changed =
            std::any_of(std::begin(r.PointFixed), std::end(r.PointFixed), [&](auto f) { return f != value; });
        std::fill(std::begin(r.PointFixed), std::end(r.PointFixed), value);
        return changed;
      });
    };
  };
  Add(ID_FIX_ALL, "ID_FIX_ALL", "", fixAll(1), outline);
  Add(ID_FREE_ALL, "ID_FREE_ALL", "", fixAll(0), outline);
  Add(ID_POINT_CURVE, "ID_POINT_CURVE", "",
      [this] { OnPrimary([](ObjectRecord& r) { return SetCurve(r, r.Curve == 0); }); }, outline);
  const auto toKind = [this](std::uint16_t kind) {
    return [this, kind] {
      const int p = Primary();
      if (p < 0) return;
      // A figure with shape handles loses them for good.
      if (!IsFreeOutline(edits_.Doc().Object(p)) && dialogs_.ask(msg::AskIrreversible, MsgStyle::YesNo) != IDYES)
        return;
      OnPrimary([kind](ObjectRecord& r) { return ChangeKind(r, kind); });
    };
  };
  Add(ID_TO_POLYGON, "ID_TO_POLYGON", "", toKind(objkind::Polygon), outline);
  Add(ID_TO_LINE, "ID_TO_LINE", "", toKind(objkind::Line), outline);
  const struct {
    int id;
    const char* name;
    bool horizontal, smaller;
  } levels[] = {{ID_LEVEL_H_SMALL, "ID_LEVEL_H_SMALL", true, true}, {ID_LEVEL_V_SMALL, "ID_LEVEL_V_SMALL", false, true},
                {ID_LEVEL_H_LARGE, "ID_LEVEL_H_LARGE", true, false},
                {ID_LEVEL_V_LARGE, "ID_LEVEL_V_LARGE", false, false}};
  for (const auto& row : levels) {
    const bool horizontal = row.horizontal;
    const bool smaller = row.smaller;
    Add(row.id, row.name, "", [this, horizontal, smaller] {
          const SelectionState s = view_.Selection();
          OnPrimary([&](ObjectRecord& r) { return LevelEdge(r, s.edgeA, s.edgeB, horizontal, smaller); });
        }, onEdge);
  }
}

void EditCommands::RegisterLineEnds() {
  const auto onEnd = [this] { return Primary() >= 0 && view_.Selection().vertex >= 0; };
  const auto copy = [this](bool toOther) {
    return [this, toOther] {
      // Vertex 0 is the start end, any other the finish end.
      const int mine = view_.Selection().vertex == 0 ? 0 : 1;
      const int other = 1 - mine;
      OnPrimary([&](ObjectRecord& r) {
        LineEnd& to = r.Ends[toOther ? other : mine];
        const LineEnd& from = r.Ends[toOther ? mine : other];
        if (std::memcmp(&to, &from, sizeof to) == 0) return false;
        to = from;
        return true;
      });
    };
  };
  Add(ID_END_COPY_TO, "ID_END_COPY_TO", "", copy(true), onEnd);
  Add(ID_END_COPY_FROM, "ID_END_COPY_FROM", "", copy(false), onEnd);
  Add(ID_END_SWAP, "ID_END_SWAP", "", [this] {
        OnPrimary([](ObjectRecord& r) {
          if (std::memcmp(&r.Ends[0], &r.Ends[1], sizeof(LineEnd)) == 0) return false;
          std::swap(r.Ends[0], r.Ends[1]);
          return true;
        });
      }, onEnd);
}

void EditCommands::RegisterTurns() {
  const auto anySelected = [this] { return SelectedOnSlide(edits_.Doc(), Slide()) > 0; };
  const auto run = [this](std::function<bool(Document&, int)> op) {
    return [this, op] {
      const int slide = Slide();
      edits_.Apply(EditKind::Undoable, [&](Document& d) { return op(d, slide); });
    };
  };
  Add(ID_REVERSE_H, "ID_REVERSE_H", "左右反転(&H)",
      run([](Document& d, int s) { return FlipSelected(d, s, MirrorAxis::LeftRight); }), anySelected);
  Add(ID_REVERSE_V, "ID_REVERSE_V", "上下反転(&V)",
      run([](Document& d, int s) { return FlipSelected(d, s, MirrorAxis::UpsideDown); }), anySelected);
  Add(ID_ROT_90, "ID_ROT_90", "右へ90度(&R)",
      run([](Document& d, int s) { return TurnSelected(d, s, QuarterTurn::Right90); }), anySelected);
  Add(ID_ROT_180, "ID_ROT_180", "180度回転(&T)",
      run([](Document& d, int s) { return TurnSelected(d, s, QuarterTurn::Turn180); }), anySelected);
  Add(ID_ROT_270, "ID_ROT_270", "左へ90度(&L)",
      run([](Document& d, int s) { return TurnSelected(d, s, QuarterTurn::Left90); }), anySelected);
  Add(ID_ROUND_0, "ID_ROUND_0", "傾斜なし(&N)", run(&StraightenSelected), anySelected);
}

void EditCommands::RegisterAlignment() {
  const struct {
    int id;
    const char* name;
    const char* label;
    SeiretuOp op;
  } rows[] = {
      {ID_TO_LEFT, "ID_TO_LEFT", "左揃え(&L)", SeiretuOp::ToLeft},
      {ID_TO_RIGHT, "ID_TO_RIGHT", "右揃え(&R)", SeiretuOp::ToRight},
      {ID_TO_TOP, "ID_TO_TOP", "上揃え(&T)", SeiretuOp::ToTop},
      {ID_TO_BOTTOM, "ID_TO_BOTTOM", "下揃え(&B)", SeiretuOp::ToBottom},
      {ID_TO_V_CEN, "ID_TO_V_CEN", "垂直中央揃え(&V)", SeiretuOp::ToVCen},
      {ID_TO_H_CEN, "ID_TO_H_CEN", "水平中央揃え(&H)", SeiretuOp::ToHCen},
      {ID_TO_H_KIN, "ID_TO_H_KIN", "水平均等揃え(&K)", SeiretuOp::ToHKin},
      {ID_TO_V_KIN, "ID_TO_V_KIN", "垂直均等揃え(&E)", SeiretuOp::ToVKin},
      {ID_SAME_W, "ID_SAME_W", "幅揃え(&W)", SeiretuOp::SameW},
      {ID_SAME_H, "ID_SAME_H", "高さ揃え(&G)", SeiretuOp::SameH},
      {ID_SAME_WH, "ID_SAME_WH", "幅と高さ揃え(&S)", SeiretuOp::SameWH},
  };
  for (const auto& row : rows) {
    const SeiretuOp op = row.op;
    Add(row.id, row.name, row.label,
        [this, op] {
          const int p = Primary();
          edits_.Apply(EditKind::Undoable, [&](Document& d) { return CSeiretu(d, p).Run(op); });
        },
        [this, op] { return CSeiretu::IsEnabled(edits_.Doc(), op); });
  }
}
