#include "editor/EditCommands.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>

#include "base/MessageSink.h"
#include "core/EditPath.h"
#include "editor/CommandRegistry.h"
#include "editor/ContextMenus.h"
#include "editor/FlipTurn.h"
#include "editor/MiradoView.h"
#include "tests/editor/EditorFixtures.h"

namespace {

using editorfixtures::Add;

// Slide 0: boxes A and B, and a three-point line L whose two ends differ.
class EditCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    editorfixtures::Reset(doc);
    Add(doc, editorfixtures::Rect(objclass::Figure, objkind::Polygon, QRect(100, 100, 200, 150)));
    Add(doc, editorfixtures::Rect(objclass::Figure, objkind::Polygon, QRect(400, 300, 100, 100)));
    ObjectRecord line = editorfixtures::Shape(objkind::Line, {{100, 500}, {300, 520}, {500, 500}});
    line.Ends[0].EndStyle = 1;
    Add(doc, line);
    view.DocumentChanged();
    edits.SetSnapshotTaker([](const Document&) {}, [this](bool changed) { steps += changed ? 1 : 0; });
  }

  // A and B selected, B primary; or the line alone with a vertex or an edge.
  void SelectBoxes() {
    doc.View(0).Selected = doc.View(1).Selected = 1;
    view.SetSelection({1});
  }
  void SelectLine(int vertex, int edgeA = -1, int edgeB = -1) {
    doc.View(2).Selected = 1;
    view.SetSelection({2, vertex, edgeA, edgeB});
  }

  Document doc;
  EditPath edits{doc};
  CommandRegistry commands;
  CMiradoView view{edits, commands};
  QString typed = "new text";
  int answer = IDYES;
  int asked = 0;
  EditDialogs Dialogs() {
    EditDialogs d;
    d.ask = [this](int id, MsgStyle) { return asked = id, answer; };
    d.failed = [](const Failure&) {};
    d.editText = [this](const QString&, int) { return std::optional<QString>(typed); };
    d.askPoint = [](QPoint, QSize) { return std::optional<QPoint>(QPoint(250, 450)); };
    return d;
  }
  EditCommands editing{edits, view, commands, Dialogs()};
  int steps = 0;
};

TEST_F(EditCommandsTest, EveryCommandThatChangesTheDocumentLeavesOneUndoStep) {
  struct Case {
    int id;
    bool line;
    int vertex = -2, edgeA = -1, edgeB = -1;
  };
  const Case cases[] = {
      {ID_TO_FRONT, false},
      {ID_SWAP_ORDER, false},
      {ID_EDIT_DELETE, false},
      {ID_TEXT_DLG, false},
      {ID_TEXT_ROTATE, false},
      {ID_CHAR_ONLY_ROTATE, false},
      {ID_REVERSE_H, false},
      {ID_ROT_90, false},
      {ID_TO_LEFT, false},
      {ID_TO_V_CEN, false},
      {ID_SAME_WH, false},
      {ID_ADD_POINT2, true, -1, 0, 1},
      {ID_DEL_POINT, true, 1},
      {ID_FIX_POINT, true, 1},
      {ID_POINT_COORD, true, 1},
      {ID_FIX_ALL, true, -2},
      {ID_POINT_CURVE, true, -2},
      {ID_TO_POLYGON, true, -2},
      {ID_LEVEL_H_SMALL, true, -1, 0, 1},
      {ID_END_COPY_TO, true, 0},
      {ID_END_SWAP, true, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.id);
    SetUp();
    for (int i = 0; i < doc.ObjCount(); ++i) doc.View(i).Selected = 0;
    steps = 0;
    if (c.line) {
      SelectLine(c.vertex, c.edgeA, c.edgeB);
    } else {
      SelectBoxes();
    }
    ASSERT_TRUE(commands.IsEnabled(c.id));
    ASSERT_TRUE(commands.Run(c.id));
    EXPECT_EQ(steps, 1);
    EXPECT_TRUE(edits.IsModified());
  }
}

TEST_F(EditCommandsTest, ACommandThatChangesNothingLeavesNoStep) {
  struct Case {
    int id;
    bool line;
    int vertex;
  };
  // Already at the front; already without tilt; ends already the same after a copy.
  const Case cases[] = {{ID_TO_FRONT, false, -2}, {ID_ROUND_0, false, -2}, {ID_FREE_ALL, true, -2}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.id);
    SetUp();
    steps = 0;
    if (c.line) {
      SelectLine(c.vertex);
    } else {
      doc.View(1).Selected = doc.View(2).Selected = 1;
      view.SetSelection({2});
    }
    commands.Run(c.id);
    EXPECT_EQ(steps, 0);
  }
  typed = QString::fromUtf8(doc.Object(0).Text);
  SelectBoxes();
  commands.Run(ID_TEXT_DLG);
  EXPECT_EQ(steps, 0) << "the same text again";
}

// A swap keeps the primary on its object; front and back make the last or the first record primary.
TEST_F(EditCommandsTest, OrderCommandsMoveThePrimary) {
  SelectBoxes();
  const std::int32_t b = doc.Object(1).ObjNo;
  const std::int32_t line = doc.Object(2).ObjNo;
  commands.Run(ID_SWAP_ORDER);
  EXPECT_EQ(view.Selection().primary, 0);
  EXPECT_EQ(doc.Object(0).ObjNo, b);
  commands.Run(ID_TO_FRONT);
  EXPECT_EQ(view.Selection().primary, 2);
  EXPECT_EQ(doc.Object(0).ObjNo, line);
  commands.Run(ID_TO_BACK);
  EXPECT_EQ(view.Selection().primary, 0);
  EXPECT_EQ(doc.Object(2).ObjNo, line);
  EXPECT_EQ(steps, 3);
}

// Delete, and making a figure with shape handles a line, ask first; No changes nothing.
TEST_F(EditCommandsTest, QuestionsComeFirst) {
  answer = IDNO;
  doc.Object(1).ObjKind = objkind::Star;
  SelectBoxes();
  const QByteArray before = renderfixtures::DocumentBytes(doc);
  for (int id : {ID_EDIT_DELETE, ID_TO_LINE}) {
    SCOPED_TRACE(id);
    asked = 0;
    commands.Run(id);
    EXPECT_EQ(asked, id == ID_EDIT_DELETE ? 30022 : 30060);
  }
  EXPECT_EQ(renderfixtures::DocumentBytes(doc), before);
  EXPECT_EQ(steps, 0);
  answer = IDYES;
  commands.Run(ID_TO_LINE);
  EXPECT_EQ(doc.Object(1).ObjKind, objkind::Line);
}

TEST_F(EditCommandsTest, PropertiesGoThroughTheSelectionAsOneStep) {
  SelectBoxes();
  EXPECT_TRUE(editing.PropertyAvailable(ID_KAGE_X));
  EXPECT_TRUE(editing.SetProperty({ID_KAGE_X, 7}));
  EXPECT_FALSE(editing.SetProperty({ID_KAGE_X, 7}));
  EXPECT_EQ(doc.Object(0).KageX, 7);
  EXPECT_EQ(doc.Object(2).KageX, 0);
  EXPECT_EQ(steps, 1);
}

// The ribbon asks whether pasting is possible on every selection change; the
// clipboard is read again only when it changed, and never answers stale.
TEST(EditCommandsClipboardTest, PastingFollowsTheClipboardAndAsksItOnlyAfterAChange) {
  Document doc;
  EditPath edits{doc};
  CommandRegistry commands;
  CMiradoView view{edits, commands};
  int asked = 0;
  EditDialogs dialogs;
  dialogs.clipboard = [&asked] { return ++asked, QGuiApplication::clipboard(); };
  QClipboard& clipboard = *QGuiApplication::clipboard();
  clipboard.clear();
  EditCommands editing{edits, view, commands, std::move(dialogs)};
  asked = 0;

  EXPECT_FALSE(commands.IsEnabled(ID_EDIT_PASTE));
  EXPECT_FALSE(commands.IsEnabled(ID_EDIT_PASTE));
  EXPECT_EQ(asked, 1);
  clipboard.setText("outside");
  EXPECT_TRUE(commands.IsEnabled(ID_EDIT_PASTE));
  EXPECT_TRUE(commands.IsEnabled(ID_EDIT_PASTE));
  EXPECT_EQ(asked, 2);
  clipboard.clear();
  EXPECT_FALSE(commands.IsEnabled(ID_EDIT_PASTE));
}

}  // namespace
