#include "core/SlideOps.h"

#include <gtest/gtest.h>

#include <vector>

#include "base/MessageIds.h"
#include "tests/core/DocFixtures.h"

namespace {

using fixtures::Figure;

// `slides` slides with one figure each (ObjNo k + 1 on slide k), time 10 × (k + 1)
// and transition k.
Document Slides(int slides) {
  Document doc;
  doc.NewDocument(NewDocumentSettings{});
  doc.Header().SlideCount = static_cast<std::uint16_t>(slides);
  for (int k = 0; k < slides; ++k) {
    (void)doc.AddObject(Figure(objkind::Polygon, static_cast<std::uint16_t>(k)));
    doc.Header().SwitchTime[k] = static_cast<std::uint16_t>(10 * (k + 1));
    doc.Header().Transition[k] = static_cast<std::uint16_t>(k);
  }
  return doc;
}

// Per slide, the ObjNo of its objects (one each here, 0 for none), with time and transition.
struct SlideView {
  std::vector<int> objNos;
  std::vector<int> times;
  std::vector<int> transitions;
  bool operator==(const SlideView&) const = default;
};

SlideView Look(const Document& doc) {
  SlideView v;
  for (int k = 0; k < doc.Header().SlideCount; ++k) {
    int objNo = 0;
    for (int i = 0; i < doc.ObjCount(); ++i)
      if (doc.Object(i).Slide == k) objNo = objNo * 10 + doc.Object(i).ObjNo;
    v.objNos.push_back(objNo);
    v.times.push_back(doc.Header().SwitchTime[k]);
    v.transitions.push_back(doc.Header().Transition[k]);
  }
  return v;
}

TEST(SlideOps, InsertShiftsLaterSlidesAndMakesTheNewOneCurrent) {
  Document doc = Slides(3);
  doc.View(0).Selected = 1;
  ASSERT_TRUE(InsertSlide(doc, 1, 60));
  EXPECT_EQ(Look(doc), (SlideView{{1, 0, 2, 3}, {10, 60, 20, 30}, {0, 0, 1, 2}}));
  EXPECT_EQ(doc.Header().CurSlide, 1);
  EXPECT_EQ(doc.View(0).Selected, 0);
  ASSERT_TRUE(InsertSlide(doc, 4, 5));  // at the end
  EXPECT_EQ(Look(doc).times.back(), 5);
  EXPECT_EQ(doc.Header().CurSlide, 4);
}

TEST(SlideOps, InsertAtTheSlideLimitIsRefusedWithNothingChanged) {
  Document doc = Slides(kMaxSlides);
  const SlideView before = Look(doc);
  const Result<void> added = InsertSlide(doc, 0, 60);
  ASSERT_FALSE(added);
  EXPECT_EQ(added.error().id, msg::NoMoreCanBeAdded);
  EXPECT_EQ(Look(doc), before);
}

TEST(SlideOps, DeleteRemovesTheObjectsAndPullsLaterSlidesUp) {
  Document doc = Slides(4);
  doc.Header().CurSlide = 1;
  ASSERT_TRUE(DeleteSlide(doc, 1));
  EXPECT_EQ(Look(doc), (SlideView{{1, 3, 4}, {10, 30, 40}, {0, 2, 3}}));
  EXPECT_EQ(doc.Header().CurSlide, 1);  // the next slide takes the index
  EXPECT_EQ(doc.ObjCount(), 3);

  ASSERT_TRUE(DeleteSlide(doc, 2));  // the last: the previous becomes current
  EXPECT_EQ(doc.Header().CurSlide, 1);
  ASSERT_TRUE(DeleteSlide(doc, 0));
  EXPECT_FALSE(DeleteSlide(doc, 0)) << "the only slide stays";
  EXPECT_EQ(doc.Header().SlideCount, 1);
}

TEST(SlideOps, DeleteReleasesThePicturesOfTheSlide) {
  Document doc = Slides(2);
  fixtures::AddImage(doc, fixtures::PaddedBmp(100), 1);
  ASSERT_EQ(doc.Pictures().Count(), 1u);
  ASSERT_TRUE(DeleteSlide(doc, 1));
  EXPECT_EQ(doc.Pictures().Count(), 0u);
}

TEST(SlideOps, DropRules) {
  struct Row {
    const char* name;
    int from, gap;
    SlideView after;
  };
  const SlideView same{{1, 2, 3, 4, 5}, {10, 20, 30, 40, 50}, {0, 1, 2, 3, 4}};
  const Row rows[] = {
      {"third slide after the fifth", 2, 5, {{1, 2, 4, 5, 3}, {10, 20, 40, 50, 30}, {0, 1, 3, 4, 2}}},
      {"last slide to the front", 4, 0, {{5, 1, 2, 3, 4}, {50, 10, 20, 30, 40}, {4, 0, 1, 2, 3}}},
      {"first after the second", 0, 2, {{2, 1, 3, 4, 5}, {20, 10, 30, 40, 50}, {1, 0, 2, 3, 4}}},
      {"its own gap before", 2, 2, same},
      {"its own gap after", 2, 3, same},
      {"no gap", 2, -1, same},
  };
  for (const Row& row : rows) {
    Document doc = Slides(5);
    const bool moved = MoveSlideToGap(doc, row.from, row.gap);
    EXPECT_EQ(moved, row.after != same) << row.name;
    EXPECT_EQ(Look(doc), row.after) << row.name;
    if (moved) {
      EXPECT_EQ(doc.Header().CurSlide, SlideDropTarget(5, row.from, row.gap)) << row.name;
    }
  }
  EXPECT_EQ(SlideDropTarget(5, 2, 5), 4);
}

TEST(SlideOps, ObjectsMoveToAnotherSlideShiftedAndDeselected) {
  Document doc = Slides(3);
  doc.View(0).Selected = 1;
  const int indices[] = {0, 7};  // 7 names no object
  ASSERT_TRUE(MoveObjectsToSlide(doc, indices, 2, QPoint(5, -3)));
  const ObjectRecord& r = doc.Object(0);
  EXPECT_EQ(r.Slide, 2);
  EXPECT_EQ(r.Points[1].x, 15);
  EXPECT_EQ(r.Points[1].y, 17);
  EXPECT_EQ(doc.View(0).Selected, 0);
  EXPECT_FALSE(MoveObjectsToSlide(doc, indices, 3)) << "no such slide";
}

}  // namespace
