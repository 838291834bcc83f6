// A document and a factory whose vertex-count dialog answers as the test says.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "ImageBytes.h"
#include "MessageRecorder.h"
#include "SettingsReset.h"
#include "core/Document.h"
#include "core/picture/Picture.h"
#include "core/text/Cp932.h"
#include "editor/factory/MakeObj.h"

class FactoryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    doc.Header().SlideW = 1047;
    doc.Header().SlideH = 718;
  }

  std::optional<int> Create(int request, const ObjectContent& content = {}, QPoint at = {400, 300}) {
    return factory.CreateObject(request, content, at, area);
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
  MessageRecorder messages;
  std::optional<int> vertexAnswer;
  std::optional<VertexCountAsk> asked;
  std::optional<CharDialogValues> charAnswer = CharDialogValues{"A", {"IPAPGothic", false, false, false}};
  bool yesAnswer = false;
  std::vector<int> questions;  // Yes/No message ids asked
  std::vector<int> told;       // message ids reported
  CMakeObj factory{doc, FactoryDialogs{[this](const VertexCountAsk& ask) {
                                         asked = ask;
                                         return vertexAnswer;
                                       },
                                       [this] { return charAnswer; },
                                       [this](int id) {
                                         questions.push_back(id);
                                         return yesAnswer;
                                       },
                                       [this](const Failure& f) { told.push_back(f.messageId); }}};
  ViewArea area{QPoint(0, 0), QSize(800, 600)};
};
