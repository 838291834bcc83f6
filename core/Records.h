// The document's fixed-layout records. They are written to the data file byte
// for byte, so every offset, width and padding byte below is a file format.
#pragma once

#include <cstddef>
#include <cstdint>

#include "base/Color.h"

inline constexpr int kMaxObjects = 10000;
inline constexpr int kMaxSlides = 100;
inline constexpr int kMaxPoints = 200;

namespace objclass {
inline constexpr std::uint16_t Image = 1;
inline constexpr std::uint16_t Figure = 2;
inline constexpr std::uint16_t DText = 3;
}  // namespace objclass

namespace objkind {
inline constexpr std::uint16_t Image = 1;  // with objclass::Image
inline constexpr std::uint16_t Line = 0;
inline constexpr std::uint16_t Polygon = 1;
inline constexpr std::uint16_t Char = 2;
inline constexpr std::uint16_t RoundRect = 6;
inline constexpr std::uint16_t Ellipse = 7;
inline constexpr std::uint16_t Star = 8;
inline constexpr std::uint16_t Job = 14;
inline constexpr std::uint16_t Memo = 15;
inline constexpr std::uint16_t Arrow = 16;
inline constexpr std::uint16_t CurveLArrow = 17;
inline constexpr std::uint16_t CurveArrow = 18;
inline constexpr std::uint16_t Cylinder = 19;
inline constexpr std::uint16_t Cube = 20;
inline constexpr std::uint16_t Button = 21;
inline constexpr std::uint16_t Pyramid = 22;
inline constexpr std::uint16_t SlipRect = 23;
inline constexpr std::uint16_t SlipRound = 24;
inline constexpr std::uint16_t SlipCloud = 25;
inline constexpr std::uint16_t SlipSCloud = 26;
inline constexpr std::uint16_t DText = 51;  // with objclass::DText
}  // namespace objkind

#pragma pack(push, 1)

struct PointRec {
  std::int32_t x;
  std::int32_t y;
};

struct LineEnd {
  std::uint16_t EndStyle;  // 0 = none
  std::uint16_t EndLen;
  std::uint16_t EndSize;
  std::uint8_t pad6[2];
  COLORREF refEnd;
  COLORREF refEndLine;
  std::uint16_t EndFutosa;
  std::uint16_t EndLineStyle;
};

struct ObjectRecord {
  std::uint16_t ObjClass;
  std::uint16_t ObjKind;
  std::int32_t ObjNo;
  std::uint16_t Slide;  // 0-based
  std::uint8_t pad10[2];
  std::int32_t CenterX;  // rotation centre, slide units
  std::int32_t CenterY;
  std::uint16_t RoundR;  // screen pixels, not zoomed
  std::uint8_t pad22[2];
  double Angle;      // radians
  double TextAngle;  // radians, D-Text only
  std::int32_t TextRotate;
  char Text[991];
  std::uint8_t unused1035[9];
  std::uint16_t ImageKind;
  std::uint8_t pad1046[2];
  // In memory a PictureTable handle; in a version-1 file the payload size.
  std::uint32_t Picture;
  std::int32_t TransOn;
  COLORREF refTrans;
  std::int32_t FlipH;
  std::int32_t FlipV;
  std::uint16_t PointNum;
  std::uint8_t pad1070[2];
  PointRec Points[kMaxPoints];
  std::uint8_t PointFixed[kMaxPoints];
  char FontName[32];
  std::uint16_t FontSize;
  std::uint8_t pad2906[2];
  std::int32_t FontBold;
  std::int32_t FontItalic;
  std::int32_t FontDel;
  std::int32_t FontUnder;
  std::int32_t WordWrap;
  std::uint16_t CharMargin;
  std::uint16_t LineMargin;
  COLORREF refText;
  COLORREF refTextBk;
  std::uint16_t MarginL;
  std::uint16_t MarginR;
  std::uint16_t MarginT;
  std::uint16_t MarginB;
  std::uint16_t AlineV;
  std::uint16_t AlineH;
  char CharaText[17];
  char CharaFontName[32];  // odd offset: the record is never aligned
  std::uint8_t pad3001[1];
  std::uint16_t CharaFontSize;
  std::int32_t CharaFontBold;
  std::int32_t CharaFontItalic;
  COLORREF ChararefText;
  std::uint16_t CharaCharMargin;
  std::uint16_t CharaLineMargin;
  std::uint16_t CharaAngle;
  std::uint8_t pad3022[2];
  std::int32_t GradePattern;  // -1 = no gradient
  std::int32_t GradeRound;
  COLORREF refGrade[17];
  COLORREF refMen;
  COLORREF refSecondMen;
  COLORREF refLine;
  std::uint16_t Futosa;
  std::uint16_t LineStyle;
  std::int32_t KageX;
  std::int32_t KageY;
  COLORREF refKage;
  std::uint16_t LightDir;
  std::uint8_t pad3130[2];
  LineEnd Ends[2];  // [0] first vertex, [1] last vertex
  std::int32_t Curve;
  std::int32_t AnchorCurve;
  std::int32_t CharOnlyRotate;
};

struct DocHeader {
  std::uint16_t SlideCount;  // 1..100
  std::uint16_t CurSlide;
  std::uint16_t PageSize;  // 1 monitor, 2 A4 portrait, 3 A4 landscape, 4 free
  std::uint8_t pad6[2];
  std::int32_t ScrollX;
  std::int32_t ScrollY;
  float Zoom;
  std::int32_t ConsoleX;
  std::int32_t ConsoleY;
  std::int32_t ConsoleAlways;
  std::uint16_t SlideW;  // slide units
  std::uint16_t SlideH;
  COLORREF refBack;
  COLORREF refFrame;
  std::int32_t BackGradePattern;  // -1 = solid refBack
  COLORREF refBackGrade[17];
  COLORREF refListBack;
  std::uint16_t SlideMax;
  std::uint16_t SwitchTime[kMaxSlides];  // seconds
  std::uint16_t Transition[kMaxSlides];
  std::uint16_t MenuMode;
  char EndText[97];  // 0x40 separates lines
  std::uint8_t pad621[1];
  std::uint16_t Bell1Kind;
  std::uint16_t Bell1Time;
  std::uint16_t Bell2Kind;
  std::uint16_t Bell2Time;
  std::uint16_t RepeatOnce;
  std::uint16_t ShowClock;
  std::uint8_t pad634[2];
  std::int32_t NoEnlarge;
  std::int32_t ShowPointNo;
  COLORREF refPointNo;
  std::int32_t AutoSwitch;
  std::int32_t ObjCount;  // used object records
  std::uint8_t reserved656[52];
};

// Run-time only, never saved; parallel to the object table. Where an object's
// frame and handles lie is computed from its record (geometry/ObjectFrame.h).
struct ObjectViewState {
  std::int32_t Selected;
};

#pragma pack(pop)

static_assert(sizeof(PointRec) == 8);

static_assert(sizeof(LineEnd) == 20);
static_assert(offsetof(LineEnd, EndStyle) == 0);
static_assert(offsetof(LineEnd, EndLen) == 2);
static_assert(offsetof(LineEnd, EndSize) == 4);
static_assert(offsetof(LineEnd, refEnd) == 8);
static_assert(offsetof(LineEnd, refEndLine) == 12);
static_assert(offsetof(LineEnd, EndFutosa) == 16);
static_assert(offsetof(LineEnd, EndLineStyle) == 18);

static_assert(sizeof(ObjectRecord) == 3184);
static_assert(offsetof(ObjectRecord, ObjClass) == 0);
static_assert(offsetof(ObjectRecord, ObjKind) == 2);
static_assert(offsetof(ObjectRecord, ObjNo) == 4);
static_assert(offsetof(ObjectRecord, Slide) == 8);
static_assert(offsetof(ObjectRecord, CenterX) == 12);
static_assert(offsetof(ObjectRecord, CenterY) == 16);
static_assert(offsetof(ObjectRecord, RoundR) == 20);
static_assert(offsetof(ObjectRecord, Angle) == 24);
static_assert(offsetof(ObjectRecord, TextAngle) == 32);
static_assert(offsetof(ObjectRecord, TextRotate) == 40);
static_assert(offsetof(ObjectRecord, Text) == 44);
static_assert(offsetof(ObjectRecord, ImageKind) == 1044);
static_assert(offsetof(ObjectRecord, Picture) == 1048);
static_assert(offsetof(ObjectRecord, TransOn) == 1052);
static_assert(offsetof(ObjectRecord, refTrans) == 1056);
static_assert(offsetof(ObjectRecord, FlipH) == 1060);
static_assert(offsetof(ObjectRecord, FlipV) == 1064);
static_assert(offsetof(ObjectRecord, PointNum) == 1068);
static_assert(offsetof(ObjectRecord, Points) == 1072);
static_assert(offsetof(ObjectRecord, PointFixed) == 2672);
static_assert(offsetof(ObjectRecord, FontName) == 2872);
static_assert(offsetof(ObjectRecord, FontSize) == 2904);
static_assert(offsetof(ObjectRecord, FontBold) == 2908);
static_assert(offsetof(ObjectRecord, FontItalic) == 2912);
static_assert(offsetof(ObjectRecord, FontDel) == 2916);
static_assert(offsetof(ObjectRecord, FontUnder) == 2920);
static_assert(offsetof(ObjectRecord, WordWrap) == 2924);
static_assert(offsetof(ObjectRecord, CharMargin) == 2928);
static_assert(offsetof(ObjectRecord, LineMargin) == 2930);
static_assert(offsetof(ObjectRecord, refText) == 2932);
static_assert(offsetof(ObjectRecord, refTextBk) == 2936);
static_assert(offsetof(ObjectRecord, MarginL) == 2940);
static_assert(offsetof(ObjectRecord, MarginR) == 2942);
static_assert(offsetof(ObjectRecord, MarginT) == 2944);
static_assert(offsetof(ObjectRecord, MarginB) == 2946);
static_assert(offsetof(ObjectRecord, AlineV) == 2948);
static_assert(offsetof(ObjectRecord, AlineH) == 2950);
static_assert(offsetof(ObjectRecord, CharaText) == 2952);
static_assert(offsetof(ObjectRecord, CharaFontName) == 2969);
static_assert(offsetof(ObjectRecord, CharaFontSize) == 3002);
static_assert(offsetof(ObjectRecord, CharaFontBold) == 3004);
static_assert(offsetof(ObjectRecord, CharaFontItalic) == 3008);
static_assert(offsetof(ObjectRecord, ChararefText) == 3012);
static_assert(offsetof(ObjectRecord, CharaCharMargin) == 3016);
static_assert(offsetof(ObjectRecord, CharaLineMargin) == 3018);
static_assert(offsetof(ObjectRecord, CharaAngle) == 3020);
static_assert(offsetof(ObjectRecord, GradePattern) == 3024);
static_assert(offsetof(ObjectRecord, GradeRound) == 3028);
static_assert(offsetof(ObjectRecord, refGrade) == 3032);
static_assert(offsetof(ObjectRecord, refMen) == 3100);
static_assert(offsetof(ObjectRecord, refSecondMen) == 3104);
static_assert(offsetof(ObjectRecord, refLine) == 3108);
static_assert(offsetof(ObjectRecord, Futosa) == 3112);
static_assert(offsetof(ObjectRecord, LineStyle) == 3114);
static_assert(offsetof(ObjectRecord, KageX) == 3116);
static_assert(offsetof(ObjectRecord, KageY) == 3120);
static_assert(offsetof(ObjectRecord, refKage) == 3124);
static_assert(offsetof(ObjectRecord, LightDir) == 3128);
static_assert(offsetof(ObjectRecord, Ends) == 3132);
static_assert(offsetof(ObjectRecord, Curve) == 3172);
static_assert(offsetof(ObjectRecord, AnchorCurve) == 3176);
static_assert(offsetof(ObjectRecord, CharOnlyRotate) == 3180);

static_assert(sizeof(DocHeader) == 708);
static_assert(offsetof(DocHeader, SlideCount) == 0);
static_assert(offsetof(DocHeader, CurSlide) == 2);
static_assert(offsetof(DocHeader, PageSize) == 4);
static_assert(offsetof(DocHeader, ScrollX) == 8);
static_assert(offsetof(DocHeader, ScrollY) == 12);
static_assert(offsetof(DocHeader, Zoom) == 16);
static_assert(offsetof(DocHeader, ConsoleX) == 20);
static_assert(offsetof(DocHeader, ConsoleY) == 24);
static_assert(offsetof(DocHeader, ConsoleAlways) == 28);
static_assert(offsetof(DocHeader, SlideW) == 32);
static_assert(offsetof(DocHeader, SlideH) == 34);
static_assert(offsetof(DocHeader, refBack) == 36);
static_assert(offsetof(DocHeader, refFrame) == 40);
static_assert(offsetof(DocHeader, BackGradePattern) == 44);
static_assert(offsetof(DocHeader, refBackGrade) == 48);
static_assert(offsetof(DocHeader, refListBack) == 116);
static_assert(offsetof(DocHeader, SlideMax) == 120);
static_assert(offsetof(DocHeader, SwitchTime) == 122);
static_assert(offsetof(DocHeader, Transition) == 322);
static_assert(offsetof(DocHeader, MenuMode) == 522);
static_assert(offsetof(DocHeader, EndText) == 524);
static_assert(offsetof(DocHeader, Bell1Kind) == 622);
static_assert(offsetof(DocHeader, Bell1Time) == 624);
static_assert(offsetof(DocHeader, Bell2Kind) == 626);
static_assert(offsetof(DocHeader, Bell2Time) == 628);
static_assert(offsetof(DocHeader, RepeatOnce) == 630);
static_assert(offsetof(DocHeader, ShowClock) == 632);
static_assert(offsetof(DocHeader, NoEnlarge) == 636);
static_assert(offsetof(DocHeader, ShowPointNo) == 640);
static_assert(offsetof(DocHeader, refPointNo) == 644);
static_assert(offsetof(DocHeader, AutoSwitch) == 648);
static_assert(offsetof(DocHeader, ObjCount) == 652);

// Padding is part of the layout too.
static_assert(offsetof(ObjectRecord, pad10) == 10);
static_assert(offsetof(ObjectRecord, pad22) == 22);
static_assert(offsetof(ObjectRecord, unused1035) == 1035);
static_assert(offsetof(ObjectRecord, pad1046) == 1046);
static_assert(offsetof(ObjectRecord, pad1070) == 1070);
static_assert(offsetof(ObjectRecord, pad2906) == 2906);
static_assert(offsetof(ObjectRecord, pad3001) == 3001);
static_assert(offsetof(ObjectRecord, pad3022) == 3022);
static_assert(offsetof(ObjectRecord, pad3130) == 3130);
static_assert(offsetof(DocHeader, pad6) == 6);
static_assert(offsetof(DocHeader, pad621) == 621);
static_assert(offsetof(DocHeader, pad634) == 634);
static_assert(offsetof(DocHeader, reserved656) == 656);
static_assert(offsetof(LineEnd, pad6) == 6);
