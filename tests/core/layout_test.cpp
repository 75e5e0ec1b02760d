// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <set>

#include "presentation/caption_rooms.h"
#include "practice/form1.h"
#include "support/recording_host.h"

namespace kobaru {
namespace {

struct Designed : ::testing::Test {
  RecordingHost host;
  Form1 f{host, scripted({0.5})};
};

struct Placed {
  const char* name;
  int left, top, width, height;
  bool visible;
};

TEST_F(Designed, ElementsStandAtTheirPlaces) {
  const Placed cases[] = {
      {"Label9", 6360, 240, 975, 255, true},     {"syuppin", 6360, 480, 1215, 585, true},
      {"aka", 10680, 1560, 855, 615, true},      {"Text4", 10440, 2520, 375, 690, true},
      {"Label27", 7680, 3650, 2535, 375, false}, {"syuppin2", 6360, 4560, 975, 465, false},
      {"Image1", 6240, 4320, 5505, 4125, true},  {"tanin", 6960, 7320, 1215, 375, true},
      {"sen2", 11040, 7740, 375, 690, true},     {"Image3", 120, 0, 2640, 510, true},
      {"Text8", 1200, 1440, 615, 270, false},    {"Label11", 480, 1440, 735, 255, false},
      {"Command9", 480, 6240, 1455, 855, true},  {"Command23", 2160, 8280, 1455, 255, true},
      {"Label23", 2160, 7800, 1455, 135, true},  {"ousatu", 4080, 120, 1815, 8415, true},
      {"Line2", 11640, 120, 0, 3480, true},      {"Line4", 6240, 3600, 5400, 0, true},
  };
  for (const Placed& c : cases) {
    SCOPED_TRACE(c.name);
    const Element* e = f.element(c.name);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->left, c.left);
    EXPECT_EQ(e->top, c.top);
    EXPECT_EQ(e->width, c.width);
    EXPECT_EQ(e->height, c.height);
    EXPECT_EQ(e->visible, c.visible);
  }
}

TEST_F(Designed, EveryElementIsListedOnceUnderItsOwnName) {
  std::set<std::string> names;
  for (const Element* e : f.elements()) EXPECT_TRUE(names.insert(e->name).second) << e->name;
  EXPECT_EQ(names.size(), 98u);  // 46 labels, 19 boxes, 27 buttons, 2 pictures and 4 lines
  EXPECT_EQ(f.element("nothing"), nullptr);
  EXPECT_EQ(f.element("Command12"), &f.Command12);
}

TEST_F(Designed, LabelsCarryCaptionColoursAndFont) {
  struct Case {
    const Label& label;
    std::string caption;
    Color fore, back;
    bool transparent;
    Face face;
    double size;
    bool bold;
    Align align;
  };
  const Case cases[] = {
      {f.Label17, "決　定", kWhite, kRed, false, Face::PGothic, 21.75, true, Align::Centre},
      {f.Label14, "スタート", 0xFFFF80, kBlack, false, Face::PGothic, 21.75, false, Align::Centre},
      {f.midori, "", kBlack, 0x00C000, false, Face::Default, 9, false, Align::Left},
      {f.Label10, "権利", kRed, kBlack, true, Face::PGothic, 14.25, true, Align::Left},
      {f.nokori, "決定まであと　　　　　　秒", 0x00FF00, kBlack, true, Face::Default, 9, false,
       Align::Left},
      {f.jiseri, "次競り車表示中", 0xFFFF00, kBlack, true, Face::PMincho, 21.75, true, Align::Left},
      {f.sutato2, "スタート", kWhite, 0x0000FF, false, Face::PGothic, 21.75, false, Align::Centre},
      {f.Label8, "競り速度  　　　　　秒", kWhite, kBlack, true, Face::Default, 9, false,
       Align::Left},
      {f.Label4, "．", kWhite, kBlack, true, Face::Gothic, 48, true, Align::Left},
      {f.modo10, "手動モード", kWhite, kBlack, true, Face::PGothic, 9.75, false, Align::Left},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label.name);
    EXPECT_EQ(c.label.caption, c.caption);
    EXPECT_EQ(c.label.foreColor, c.fore);
    EXPECT_EQ(c.label.backColor, c.back);
    EXPECT_EQ(c.label.transparent, c.transparent);
    EXPECT_EQ(c.label.font.face, c.face);
    EXPECT_EQ(c.label.font.size, c.size);
    EXPECT_EQ(c.label.font.bold, c.bold);
    EXPECT_EQ(c.label.alignment, c.align);
  }
  EXPECT_TRUE(f.Label20.border);
  EXPECT_EQ(f.Label20.backColor, kBlack);
}

TEST_F(Designed, BoxesCarryTextColoursAndLock) {
  struct Case {
    const TextBox& box;
    std::string text;
    Color fore, back;
    bool locked;
    Align align;
  };
  const Case cases[] = {
      {f.syuppin, "1001", 0xFF8000, kBlack, true, Align::Left},
      {f.nensiki, "11", 0xFF8000, kBlack, true, Align::Centre},
      {f.meyasugaku, "Text5", kWhite, kBlack, true, Align::Right},
      {f.Text6, "200", kBlack, kWhite, false, Align::Right},
      {f.Text7, "0.05", kBlack, kWhite, false, Align::Right},
      {f.Text8, "500", kBlack, kWhite, false, Align::Right},
      {f.Text9, "Text9", 0x00C000, kBlack, true, Align::Right},
      {f.hyakuman2, "1", kWhite, kBlack, true, Align::Left},
      {f.ousatu, "", kBlack, kWhite, true, Align::Left},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.box.name);
    EXPECT_EQ(c.box.text, c.text);
    EXPECT_EQ(c.box.foreColor, c.fore);
    EXPECT_EQ(c.box.backColor, c.back);
    EXPECT_EQ(c.box.locked, c.locked);
    EXPECT_EQ(c.box.alignment, c.align);
  }
  EXPECT_TRUE(f.ousatu.multiLine);
  EXPECT_FALSE(f.ousatu.tabStop);
}

TEST_F(Designed, ButtonsCarryCaptionAndBackground) {
  struct Case {
    const Button& button;
    std::string caption;
    Color back;
  };
  const Case cases[] = {
      {f.Command12, "応札ボタン", 0xFF8000},
      {f.Command14, "確認", 0xC0C0C0},
      {f.syudou, "手 動", kButtonFace},
      {f.Command11, "条件をセットしてスタート価格表示", 0xFFFFC0},
      {f.Command4, "５万戻す", 0xFFE0C0},
      {f.Command8, captionOf(SellOut::Impossible), kWhite},
      {f.Command22, "流札処理", 0xFFC0C0},
      {f.Command23, "強制停止", 0xFF8080},
      {f.Command25, "練習終了", 0x80FFFF},
      {f.Command19, "応札記録表示", kButtonFace},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.button.name);
    EXPECT_EQ(c.button.caption, c.caption);
    EXPECT_EQ(c.button.backColor, c.back);
  }
}

TEST_F(Designed, FrameLinesAndPicturesAsDesigned) {
  for (const Line* l : {&f.Line1, &f.Line2, &f.Line3, &f.Line4}) {
    EXPECT_EQ(l->borderColor, 0xC0C0C0u) << l->name;
    EXPECT_EQ(l->borderWidth, 4) << l->name;
  }
  EXPECT_EQ(f.Line1.x1, 6240);
  EXPECT_EQ(f.Line1.y2, 3600);
  EXPECT_EQ(f.Image1.picture, "/opt/kobaru/gazou/1001.jpg");
  EXPECT_EQ(f.Image3.picture, "/opt/kobaru/title.png");
}

TEST_F(Designed, TimersStandAsDesigned) {
  struct Case {
    Timer& timer;
    bool enabled;
    int interval;
  };
  const Case cases[] = {
      {f.Timer1, false, 0},     {f.Timer2, false, 0},     {f.Timer3, false, 0},
      {f.Timer4, false, 0},     {f.Timer5, false, 0},     {f.Timer6, false, 0},
      {f.Timer7, false, 80},    {f.Timer8, false, 500},   {f.Timer9, false, 0},
      {f.Timer10, false, 1000}, {f.Timer11, false, 0},    {f.Timer12, false, 80},
      {f.Timer13, false, 1000}, {f.Timer14, false, 1000}, {f.Timer15, false, 1000},
      {f.Timer16, false, 1000}, {f.Timer17, false, 0},    {f.Timer18, false, 1000},
      {f.Timer19, true, 0},     {f.Timer20, false, 1000}, {f.Timer21, false, 1000},
  };
  int number = 1;
  for (const Case& c : cases) {
    SCOPED_TRACE(number);
    EXPECT_EQ(c.timer.number(), number++);
    EXPECT_EQ(c.timer.enabled(), c.enabled);
    EXPECT_EQ(c.timer.interval(), c.interval);
  }
  EXPECT_FALSE(f.scheduler.nextDue());  // nothing ticks before the screen opens
}

// Each box that lies in a caption's blanks lies inside the caption, in the blanks' line, with words
// before and after it.
TEST_F(Designed, CaptionsLeaveRoomForTheirBoxes) {
  for (const CaptionRoom& room : kCaptionRooms) {
    SCOPED_TRACE(room.label);
    const Element* element = f.element(room.label);
    const Element* box = f.element(room.box);
    ASSERT_TRUE(element && box);
    ASSERT_EQ(element->kind, Kind::Label);
    ASSERT_EQ(box->kind, Kind::TextBox);
    const auto* label = static_cast<const Label*>(element);
    EXPECT_GT(box->left, label->left);
    EXPECT_LT(box->left + box->width, label->left + label->width);
    EXPECT_LT(box->top, label->top + label->height);
    EXPECT_GT(box->top + box->height, label->top);
    const std::string_view caption = label->caption;
    const auto blanks = caption.find("　");
    ASSERT_NE(blanks, std::string_view::npos);
    EXPECT_GT(blanks, 0u);
    EXPECT_NE(caption.substr(caption.size() - 3), "　");
  }
}

}  // namespace
}  // namespace kobaru
