#include <gtest/gtest.h>

#include <QStringList>

#include "show/ShowMenu.h"
#include "show/SlidePicker.h"

namespace {

const QSize kScreen(1024, 768);

QStringList Labels(const SlidePicker& picker, int current = -1) {
  QStringList labels;
  for (const PickerBox& box : picker.Boxes(kScreen, current)) labels << box.label;
  return labels;
}

QPoint Centre(const SlidePicker& picker, int k) { return picker.Boxes(kScreen, -1)[static_cast<size_t>(k)].rect.center(); }

}  // namespace

TEST(SlidePickerTest, TwentySlidesAreTwentyBoxesStandingOnTheMenu) {
  SlidePicker picker;
  picker.Open(20);
  EXPECT_EQ(picker.State(), SlidePicker::Column::Slides);
  const std::vector<PickerBox> boxes = picker.Boxes(kScreen, 4);
  ASSERT_EQ(boxes.size(), 20u);
  // The column's left edge is the menu's + 81, its bottom the menu's top.
  EXPECT_EQ(boxes.back().rect, QRect(712 + 81, 708 - 30, 59, 30));
  EXPECT_EQ(boxes.front().rect.top(), 708 - 20 * 30);
  EXPECT_EQ(boxes.front().label, "20");
  EXPECT_EQ(boxes.back().label, "1");
  for (size_t k = 0; k < boxes.size(); ++k) EXPECT_EQ(boxes[k].current, k == 15) << k;  // slide 5
  EXPECT_EQ(picker.Area(kScreen), QRect(793, 108, 59, 600));
  // Box k from the top goes to slide count - 1 - k and closes the picker.
  EXPECT_EQ(picker.Click(Centre(picker, 0), kScreen), 19);
  EXPECT_FALSE(picker.IsOpen());
  picker.Open(20);
  EXPECT_EQ(picker.Click(Centre(picker, 19), kScreen), 0);
}

TEST(SlidePickerTest, MoreThanTwentySlidesComeInGroupsOfTen) {
  const struct {
    int count;
    QStringList groups;
    int lastMembers;
  } cases[] = {
      {21, {"1-10", "11-20", "21-21"}, 1},
      {30, {"1-10", "11-20", "21-30"}, 10},
      {100, {"1-10", "11-20", "21-30", "31-40", "41-50", "51-60", "61-70", "71-80", "81-90", "91-100"}, 10},
  };
  for (const auto& c : cases) {
    SlidePicker picker;
    picker.Open(c.count);
    EXPECT_EQ(picker.State(), SlidePicker::Column::Groups);
    EXPECT_EQ(Labels(picker), c.groups) << c.count;
    const int last = static_cast<int>(c.groups.size()) - 1;
    EXPECT_EQ(picker.Click(Centre(picker, last), kScreen), -1);
    EXPECT_EQ(picker.State(), SlidePicker::Column::Members);
    const QStringList members = Labels(picker);
    ASSERT_EQ(members.size(), c.lastMembers) << c.count;
    EXPECT_EQ(members.front(), QString::number(last * 10 + 1));  // rising from the top
    EXPECT_EQ(members.back(), QString::number(c.count));
    EXPECT_EQ(picker.Boxes(kScreen, -1).back().rect.bottom(), 708 - 1);
    EXPECT_EQ(picker.Click(Centre(picker, 0), kScreen), last * 10);
    EXPECT_FALSE(picker.IsOpen());
  }
}

TEST(SlidePickerTest, TheCurrentSlideLightsItsGroupAndItsMember) {
  SlidePicker picker;
  picker.Open(25);
  const std::vector<PickerBox> groups = picker.Boxes(kScreen, 12);
  EXPECT_FALSE(groups[0].current);
  EXPECT_TRUE(groups[1].current);
  picker.Click(groups[1].rect.center(), kScreen);
  const std::vector<PickerBox> members = picker.Boxes(kScreen, 12);
  for (size_t k = 0; k < members.size(); ++k) EXPECT_EQ(members[k].current, k == 2) << k;
  // The closing screen (index = count) lights nothing.
  picker.Open(25);
  for (const PickerBox& box : picker.Boxes(kScreen, 25)) EXPECT_FALSE(box.current);
}

TEST(SlidePickerTest, ClicksBesideTheBoxesChangeNothingAndNoSlidesOpenNothing) {
  SlidePicker picker;
  picker.Open(3);
  EXPECT_EQ(picker.Click(QPoint(10, 10), kScreen), -1);
  EXPECT_TRUE(picker.IsOpen());
  EXPECT_FALSE(picker.Hits(MenuButtonRect(2, kScreen).center(), kScreen));
  picker.Open(0);
  EXPECT_FALSE(picker.IsOpen());
  EXPECT_TRUE(picker.Area(kScreen).isEmpty());
}
