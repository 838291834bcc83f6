// The pure parts of the ribbon: the controls loaded from the primary object,
// the attribute dispatcher's undo steps and the status panes' texts.
#include <gtest/gtest.h>

#include <cstring>

#include "app/AttributeDispatcher.h"
#include "app/RibbonLayout.h"
#include "app/RibbonValues.h"
#include "app/StatusPanes.h"
#include "core/EditPath.h"
#include "editor/CommandRegistry.h"
#include "tests/core/DocFixtures.h"

namespace {

ObjectRecord TextFigure() {
  ObjectRecord r = fixtures::Figure(objkind::Polygon);
  std::strcpy(r.Text, "abc");
  std::strcpy(r.FontName, "Noto Sans");
  r.FontSize = 24;
  r.FontBold = 1;
  r.FontUnder = 1;
  r.refText = 0x0000FF;
  r.refTextBk = 0x00FF00;
  r.AlineV = 2;
  r.AlineH = 1;
  r.WordWrap = 1;
  r.CharMargin = 7;
  r.LineMargin = 50;
  r.MarginL = 3, r.MarginR = 4, r.MarginT = 5, r.MarginB = 6;
  r.Futosa = 4;
  r.LineStyle = 3;
  r.Curve = 1;
  r.refKage = 0x808080;
  r.KageX = 6;
  r.KageY = 2;
  r.LightDir = 8;
  return r;
}

ObjectRecord Line() {
  ObjectRecord r = fixtures::Figure(objkind::Line);
  r.PointNum = 3;
  r.Ends[0] = {1, 10, 11, {}, 0x111111, 0x222222, 3, 2};
  r.Ends[1] = {3, 20, 21, {}, 0x333333, 0x444444, 5, 4};
  return r;
}

TEST(RibbonValues, EachFamilyOfControlsShowsThePrimaryObject) {
  Document doc;
  doc.AddObject(TextFigure());
  const RibbonValues v = AttributesOf(doc, 0, -2, RibbonValues{});
  // Text family.
  EXPECT_EQ(v.fontName, "Noto Sans");
  EXPECT_EQ(v.fontSize, 24);
  EXPECT_TRUE(v.bold && v.underline && !v.italic && !v.strikeOut);
  EXPECT_EQ(v.text, 0x0000FF);
  EXPECT_EQ(v.textBack, 0x00FF00);
  // Alignment and spacing.
  EXPECT_EQ(v.alineV, 2);
  EXPECT_EQ(v.alineH, 1);
  EXPECT_TRUE(v.wordWrap);
  EXPECT_EQ(v.charMargin, 7);
  EXPECT_EQ(v.lineMargin, 50);
  EXPECT_EQ(v.margins, (std::array<int, 4>{3, 4, 5, 6}));
  // Fill and line.
  EXPECT_EQ(v.fill, 16773100);
  EXPECT_EQ(v.line, 8388608);
  EXPECT_EQ(v.lineWidth, 4);
  EXPECT_EQ(v.lineStyle, 3);
  EXPECT_TRUE(v.curve);
  EXPECT_FALSE(v.endEdited);
  // Shadow and light.
  EXPECT_EQ(v.shadow, 0x808080);
  EXPECT_EQ(v.shadowX, 6);
  EXPECT_EQ(v.shadowY, 2);
  EXPECT_EQ(v.lightDir, 8);
}

TEST(RibbonValues, APickedEndOfALineShowsThatEnd) {
  Document doc;
  doc.AddObject(Line());
  doc.AddObject(TextFigure());
  const struct {
    int vertex;
    bool edited;
    COLORREF line;
    int width, style, endStyle, len, size;
    COLORREF end;
  } cases[] = {
      {0, true, 0x222222, 3, 2, 1, 10, 11, 0x111111},
      {2, true, 0x444444, 5, 4, 3, 20, 21, 0x333333},
      {1, false, 8388608, 0, 0, 0, 5, 5, 0},   // a middle vertex: the line itself
      {-2, false, 8388608, 0, 0, 0, 5, 5, 0},  // the body
  };
  for (const auto& c : cases) {
    const RibbonValues v = AttributesOf(doc, 0, c.vertex, RibbonValues{});
    EXPECT_EQ(v.endEdited, c.edited) << c.vertex;
    EXPECT_EQ(v.line, c.line) << c.vertex;
    EXPECT_EQ(v.lineWidth, c.width) << c.vertex;
    EXPECT_EQ(v.lineStyle, c.style) << c.vertex;
    EXPECT_EQ(v.endStyle, c.endStyle) << c.vertex;
    EXPECT_EQ(v.endLen, c.len) << c.vertex;
    EXPECT_EQ(v.endSize, c.size) << c.vertex;
    EXPECT_EQ(v.end, c.end) << c.vertex;
  }
  EXPECT_EQ(EditedEnd(doc.Object(1), 0), -1) << "only lines have ends";
}

TEST(RibbonValues, WithoutAPrimaryObjectFillAndLineShowTheSlide) {
  Document doc;
  doc.Header().refBack = 0x123456;
  doc.Header().refFrame = 0x654321;
  RibbonValues before;
  before.bold = true;
  before.fontSize = 40;
  const RibbonValues v = AttributesOf(doc, -1, -2, before);
  EXPECT_EQ(v.fill, 0x123456);
  EXPECT_EQ(v.line, 0x654321);
  EXPECT_TRUE(v.bold);
  EXPECT_EQ(v.fontSize, 40);
}

// Sets a few fields over the selected objects, as the editing commands do.
bool SetOnSelection(Document& doc, const AttributeRequest& r) {
  bool changed = false;
  const auto set = [&changed](auto& field, int value) {
    if (field == value) return;
    field = static_cast<std::remove_reference_t<decltype(field)>>(value);
    changed = true;
  };
  if (r.primary < 0) {
    if (r.id == 394) set(doc.Header().refBack, r.value);
    return changed;
  }
  for (int i = 0; i < doc.ObjCount(); ++i) {
    if (!doc.View(i).Selected) continue;
    ObjectRecord& o = doc.Object(i);
    switch (r.id) {
      case 315: set(o.FontBold, r.value); break;
      case 321: case 322: case 323: set(o.AlineV, r.value); break;
      case 374: case 375: set(o.LineMargin, r.value); break;
      case 32816: set(o.Futosa, r.value); break;
      case 394: set(o.refMen, r.value); break;
      case 320: set(o.refText, r.value); break;
      default: break;
    }
  }
  return changed;
}

class DispatcherTest : public ::testing::Test {
 protected:
  void SetUp() override {
    doc.AddObject(TextFigure());
    doc.AddObject(TextFigure());
    doc.View(0).Selected = 1;
    doc.View(1).Selected = 1;
    edits.SetSnapshotTaker([this](const Document&) { ++snapshots; }, [this](bool changed) { steps += changed; });
    dispatcher.SetSetter(&SetOnSelection);
    dispatcher.SetReader([this](int) { return box; });
    dispatcher.RegisterCommands(commands);
    dispatcher.ShowAttributes();
  }

  Document doc;
  EditPath edits{doc};
  int primary = 0;
  int snapshots = 0, steps = 0;
  std::optional<ControlValue> box;
  AttributeDispatcher dispatcher{edits, {[this] { return primary; }, [] { return -2; }}};
  CommandRegistry commands;
};

TEST_F(DispatcherTest, ANumberBoxTakesOneUndoStepPerChangeAndNoneForNoChange) {
  const struct {
    std::optional<ControlValue> box;
    int steps;
    int futosa;
  } cases[] = {
      {ControlValue{9, {}}, 1, 9},  // a new width: one step
      {ControlValue{9, {}}, 1, 9},  // the same width again: no step
      {std::nullopt, 1, 9},         // an emptied box: nothing
      {ControlValue{2, {}}, 2, 2},
  };
  for (const auto& c : cases) {
    box = c.box;
    commands.Run(32816);
    EXPECT_EQ(steps, c.steps);
    EXPECT_EQ(doc.Object(0).Futosa, c.futosa);
    EXPECT_EQ(doc.Object(1).Futosa, c.futosa);
    EXPECT_EQ(dispatcher.Values().lineWidth, c.futosa) << "the box shows the object again";
  }
  EXPECT_EQ(edits.IsModified(), true);
}

TEST_F(DispatcherTest, TogglesFlipAndStepsStopAtTheirLimits) {
  commands.Run(315);  // bold was on
  EXPECT_EQ(doc.Object(1).FontBold, 0);
  EXPECT_FALSE(dispatcher.Values().bold);
  commands.Run(315);
  EXPECT_EQ(doc.Object(1).FontBold, 1);
  EXPECT_EQ(steps, 2);

  commands.Run(323);  // already bottom: nothing, not even a snapshot
  EXPECT_EQ(snapshots, 2);
  commands.Run(321);
  EXPECT_EQ(doc.Object(0).AlineV, 0);

  commands.Run(374);  // line spacing is already 50
  EXPECT_EQ(doc.Object(0).LineMargin, 50);
  EXPECT_EQ(steps, 3);
  commands.Run(375);
  EXPECT_EQ(doc.Object(0).LineMargin, 49);
  doc.Object(0).LineMargin = 0;
  dispatcher.ShowAttributes();
  EXPECT_FALSE(commands.IsEnabled(375)) << "narrower than 0 is disabled";
  EXPECT_TRUE(commands.IsEnabled(374));
}

TEST_F(DispatcherTest, WithoutAPrimaryOnlyFillAndLineColourAct) {
  primary = -1;
  box = ControlValue{0x00AA00, {}};
  EXPECT_FALSE(commands.IsEnabled(320));
  EXPECT_FALSE(dispatcher.Apply(320));
  EXPECT_EQ(doc.Object(0).refText, 0x0000FF);
  EXPECT_TRUE(commands.IsEnabled(394));
  EXPECT_TRUE(dispatcher.Apply(394));
  EXPECT_EQ(doc.Header().refBack, 0x00AA00);
  EXPECT_EQ(dispatcher.Values().fill, 0x00AA00);
  EXPECT_EQ(steps, 1);
}

TEST(RibbonLayout, KeyTipsOfTheTabAreUniqueAndNoneStartsAnother) {
  std::vector<QString> tips;
  for (const RibbonEntry& e : HomeTabLayout())
    if (e.control != RibbonControl::Item) tips.push_back(QString::fromLatin1(e.keyTip));
  for (std::size_t a = 0; a < tips.size(); ++a) {
    EXPECT_FALSE(tips[a].isEmpty());
    for (std::size_t b = 0; b < tips.size(); ++b) {
      if (a != b) EXPECT_FALSE(tips[b].startsWith(tips[a])) << tips[a].toStdString() << " " << tips[b].toStdString();
    }
  }
}

TEST(StatusPanes, TextsOfTheSlideTheTotalAndThePrimaryObject) {
  Document doc;
  doc.Header().SlideCount = 3;
  doc.Header().CurSlide = 2;
  doc.Header().Zoom = 2.0f;
  for (int i = 0; i < 12; ++i) {
    ObjectRecord r = fixtures::Figure(objkind::Polygon, i < 5 ? 2 : 0);
    r.ObjNo = i + 1;
    r.PointNum = 4;
    r.Points[0] = {100, 50}, r.Points[1] = {300, 50}, r.Points[2] = {300, 130}, r.Points[3] = {100, 130};
    doc.AddObject(r);
  }
  const StatusTexts t = StatusOf(doc, 3, false);
  EXPECT_EQ(t.slide, "3(5)");
  EXPECT_EQ(t.total, "12");
  EXPECT_EQ(t.position, "100, 50");
  EXPECT_EQ(t.size, QString::fromUtf8("200×80"));
  EXPECT_FALSE(t.object.isEmpty());
  for (const StatusTexts& cleared : {StatusOf(doc, 3, true), StatusOf(doc, -1, false)}) {
    EXPECT_TRUE(cleared.object.isEmpty() && cleared.position.isEmpty() && cleared.size.isEmpty());
    EXPECT_EQ(cleared.slide, "3(5)");
  }
  EXPECT_EQ(ZoomText(1.0f), " 100% ");
}

}  // namespace
