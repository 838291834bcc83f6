// A document and a factory whose dialogs (vertex count, character, Yes/No) answer as the test says.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "ImageBytes.h"
#include "MessageRecorder.h"
#include "SettingsReset.h"
#include "base/Cp932.h"
#include "core/Document.h"
#include "core/EditPath.h"
#include "core/picture/Picture.h"
#include "editor/factory/MakeObj.h"

class FactoryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    doc.Header().SlideW = 1047;
    doc.Header().SlideH = 718;
  }

  // As the insert menu asks: a refusal shows its message.
  std::optional<int> Create(int request, const ObjectContent& content = {}, QPoint at = {400, 300}) {
    const Result<int> index = factory.CreateObject(request, content, at, area);
    if (!Shown(index)) return std::nullopt;
    return *index;
  }

  static ObjectContent PictureContent(QSize size, COLORREF transparent = kNoColor) {
    ObjectContent c;
    c.picture = Picture::Load(support::EncodeImage(support::PatternImage(8, 8), "jpeg"));
    c.pictureSize = size;
    c.transparent = transparent;
    return c;
  }

  QString TextOf(int index) const { return DecodeCp932Buffer(doc.Object(index).Text, sizeof doc.Object(index).Text); }

  bool cleared = (support::ClearSettings(), true);  // before the document reads the store
  Document doc;
  EditPath edits{doc};
  MessageRecorder messages;
  std::optional<int> vertexAnswer;
  std::optional<VertexCountAsk> asked;
  std::optional<CharDialogValues> charAnswer = CharDialogValues{"A", {"IPAPGothic", false, false, false}};
  bool yesAnswer = false;
  std::vector<int> questions;  // Yes/No message ids asked
  CMakeObj factory{edits, FactoryDialogs{[this](const VertexCountAsk& ask) {
                                           asked = ask;
                                           return vertexAnswer;
                                         },
                                         [this] { return charAnswer; },
                                         [this](int id) {
                                           questions.push_back(id);
                                           return yesAnswer;
                                         }}};
  ViewArea area{QPoint(0, 0), QSize(800, 600)};
};
