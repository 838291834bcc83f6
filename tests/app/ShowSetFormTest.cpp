#include "app/ShowSetForm.h"

#include <gtest/gtest.h>

#include <cstring>

#include "base/Cp932.h"
#include "core/Records.h"

namespace {

DocHeader WithText(const QByteArray& bytes) {
  DocHeader h{};
  std::memcpy(h.EndText, bytes.constData(), static_cast<size_t>(std::min<qsizetype>(bytes.size(), 97)));
  return h;
}

QString Repeat(const char* utf8, int n) { return QString::fromUtf8(utf8).repeated(n); }

}  // namespace

TEST(ShowSetFormTest, HeaderFieldsBecomeControlStates) {
  const struct {
    int menuMode;
    bool on;
    bool always;
    int seconds;
  } menus[] = {{0, false, true, 2}, {1, true, true, 2}, {7, true, false, 7}, {40, true, false, 10}};
  for (const auto& m : menus) {
    DocHeader h{};
    h.MenuMode = static_cast<std::uint16_t>(m.menuMode);
    const ShowSetForm f = FormFromHeader(h);
    EXPECT_EQ(f.menuOn, m.on) << m.menuMode;
    EXPECT_EQ(f.menuAlways, m.always) << m.menuMode;
    EXPECT_EQ(f.menuSeconds, m.seconds) << m.menuMode;
  }
  using E = ShowSetForm::EndChoice;
  const struct {
    QByteArray bytes;
    bool on;
    E choice;
    QString edit;
  } texts[] = {
      {QByteArray(), false, E::Japanese, QString()},
      {*EncodeCp932(QString::fromUtf8("ご静聴ありがとうございました。")), true, E::Japanese, QString()},
      {"Thank you very much for kind attention.", true, E::English, QString()},
      {"Thank you@Bye", true, E::Custom, "Thank you\nBye"},
      {"\x83\x40@", true, E::Custom, QString::fromUtf8("ァ\n")},  // 0x40 inside a character stays
  };
  for (const auto& t : texts) {
    const ShowSetForm f = FormFromHeader(WithText(t.bytes));
    EXPECT_EQ(f.endOn, t.on) << t.bytes.constData();
    EXPECT_EQ(f.endChoice, t.choice) << t.bytes.constData();
    EXPECT_EQ(f.endEdit, t.edit) << t.bytes.constData();
  }
  DocHeader h{};
  h.Bell1Kind = 2;
  h.Bell1Time = 300;
  h.Bell2Kind = 0;
  h.RepeatOnce = 1;
  h.ShowClock = 1;
  h.NoEnlarge = 1;
  h.AutoSwitch = 1;
  const ShowSetForm f = FormFromHeader(h);
  EXPECT_TRUE(f.bells[0].on);
  EXPECT_EQ(f.bells[0].kind, ShowSetForm::Picture);
  EXPECT_EQ(f.bells[0].seconds, 300);
  EXPECT_FALSE(f.bells[1].on);
  EXPECT_EQ(f.bells[1].kind, ShowSetForm::Both);  // off shows "both" selected
  EXPECT_FALSE(f.repeat);                         // RepeatOnce 1: not repeating
  EXPECT_TRUE(f.showClock && f.noEnlarge && f.autoSwitch);
}

TEST(ShowSetFormTest, ControlStatesGoBackIntoTheHeader) {
  ShowSetForm f;
  f.menuOn = true;
  f.menuAlways = false;
  f.menuSeconds = 7;
  f.endOn = true;
  f.endChoice = ShowSetForm::EndChoice::Custom;
  f.endEdit = QString::fromUtf8("ありがとう\nThanks");
  f.bells[0] = {false, ShowSetForm::Sound, 60};  // unchecked: kind 0 whatever was selected
  f.bells[1] = {true, ShowSetForm::Picture, 99999};
  f.repeat = true;
  DocHeader h{};
  h.RepeatOnce = 1;
  EXPECT_TRUE(FormToHeader(f, h));
  EXPECT_EQ(h.MenuMode, 7);
  EXPECT_EQ(DecodeCp932Buffer(h.EndText, sizeof h.EndText), QString::fromUtf8("ありがとう@Thanks"));
  EXPECT_EQ(h.Bell1Kind, 0);
  EXPECT_EQ(h.Bell1Time, 60);
  EXPECT_EQ(h.Bell2Kind, 2);
  EXPECT_EQ(h.Bell2Time, 65535);
  EXPECT_EQ(h.RepeatOnce, 0);
  // The same form again changes nothing.
  EXPECT_FALSE(FormToHeader(f, h));
  EXPECT_FALSE(FormToHeader(FormFromHeader(h), h));
  f.endOn = false;
  EXPECT_TRUE(FormToHeader(f, h));
  EXPECT_EQ(h.EndText[0], '\0');
  f.endOn = true;
  f.endChoice = ShowSetForm::EndChoice::English;
  f.menuAlways = true;
  FormToHeader(f, h);
  EXPECT_STREQ(h.EndText, "Thank you very much for kind attention.");
  EXPECT_EQ(h.MenuMode, 1);
}

TEST(ShowSetFormTest, SecondsAndBellTimesKeepTheirLimits) {
  const int seconds[][2] = {{-5, 2}, {0, 2}, {1, 2}, {2, 2}, {7, 7}, {10, 10}, {11, 10}, {15, 10}};
  for (const auto& s : seconds) EXPECT_EQ(ClampMenuSeconds(s[0]), s[1]) << s[0];
  EXPECT_EQ(BellSeconds(0, 0, 1), 1);
  EXPECT_EQ(BellSeconds(1, 2, 3), 3723);
  EXPECT_EQ(BellSeconds(18, 12, 15), 65535);
  EXPECT_EQ(BellSeconds(23, 59, 59), 65535);
}

TEST(ShowSetFormTest, BytesCountLineBreaksAsOneAndRefuseWhatCp932CannotHold) {
  EXPECT_EQ(EndTextBytes(QString()), 0);
  EXPECT_EQ(EndTextBytes("a\nb"), 3);
  EXPECT_EQ(EndTextBytes(QString::fromUtf8("あ\nい")), 5);
  EXPECT_EQ(EndTextBytes(QString::fromUtf8("😀")), -1);
}

TEST(ShowSetFormTest, OnlyWhatWasJustTypedIsHeldBack) {
  const QString full95 = QString("x").repeated(95);
  const struct {
    const char* name;
    QString before;
    QString after;
    QString text;
    int cursor;
    bool refused;
  } cases[] = {
      {"typing within the limit", "ab", "abc", "abc", 3, false},
      {"deleting", "abc", "ac", "ac", 1, false},
      {"a 120-byte paste", QString(), QString("y").repeated(120), QString("y").repeated(96), 96, true},
      {"a double-byte character on the last byte", full95, full95 + QString::fromUtf8("あ"), full95, 95, true},
      {"a single byte still fits", full95, full95 + "z", full95 + "z", 96, false},
      {"a paste in the middle keeps the end", "ab" + QString("q").repeated(90) + "cd",
       "ab" + Repeat("い", 3) + QString("q").repeated(90) + "cd", "ab" + Repeat("い", 1) + QString("q").repeated(90) + "cd",
       3, true},
      {"a line break counts one byte", QString("x").repeated(95), QString("x").repeated(95) + "\n\n",
       QString("x").repeated(95) + "\n", 96, true},
      {"characters CP932 cannot hold are left out", "a", QString::fromUtf8("a😀b"), "ab", 2, true},
      {"replacing a selection", "hello", "hXo", "hXo", 2, false},
  };
  for (const auto& c : cases) {
    const LimitedEndText r = LimitEndText(c.before, c.after);
    EXPECT_EQ(r.text, c.text) << c.name;
    EXPECT_EQ(r.cursor, c.cursor) << c.name;
    EXPECT_EQ(r.refused, c.refused) << c.name;
    EXPECT_LE(EndTextBytes(r.text), kEndTextMaxBytes) << c.name;
  }
}
