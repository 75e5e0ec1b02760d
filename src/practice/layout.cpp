// SPDX-License-Identifier: MIT
// The practice screen as designed: every element's place, caption, colours and font.
#include <algorithm>
#include <cstdlib>
#include <optional>

#include "practice/form1.h"
#include "practice/paths.h"

namespace kobaru {

namespace {

struct Place {
  int left, top, width, height;
};

constexpr Font gothic(double size, bool bold = false) {
  return {Face::Gothic, size, bold};
}
constexpr Font pgothic(double size, bool bold = false) {
  return {Face::PGothic, size, bold};
}
constexpr Font pmincho(double size, bool bold = false) {
  return {Face::PMincho, size, bold};
}
constexpr Font kDefault{};
constexpr bool kBold = true;
constexpr bool kShown = true;
constexpr bool kHidden = false;

constexpr std::optional<Color> kTransparent;

struct LabelRow {
  Label Form1::*member;
  const char* name;
  const char* caption;
  Place place;
  Color fore;
  std::optional<Color> back;
  Font font;
  Align align;
  bool visible;
  bool border;
};

// Caption-less labels lying above their option buttons; red marks the option chosen.
constexpr LabelRow indicator(Label Form1::*member, const char* name, Place place) {
  return {member, name, "", place, kBlack, kBlack, kDefault, Align::Left, kShown, true};
}

constexpr LabelRow lamp(Label Form1::*member, const char* name, Place place, Color colour) {
  return {member, name, "", place, kBlack, colour, kDefault, Align::Left, kShown, false};
}

// clang-format off
const LabelRow kLabels[] = {
    // Main price board
    {&Form1::Label9, "Label9", "出品番号", {6360, 240, 975, 255}, kWhite, kTransparent, pgothic(11.25, kBold), Align::Left, kShown, false},
    {&Form1::Label15, "Label15", "年式", {7920, 240, 615, 255}, kWhite, kTransparent, pgothic(11.25, kBold), Align::Left, kShown, false},
    {&Form1::Label17, "Label17", "決　定", {9240, 240, 2055, 495}, kWhite, kRed, pgothic(21.75, kBold), Align::Centre, kShown, false},
    {&Form1::Label14, "Label14", "スタート", {9240, 960, 1935, 495}, 0xFFFF80, kBlack, pgothic(21.75), Align::Centre, kShown, false},
    {&Form1::Label16, "Label16", "購買店", {6360, 1320, 855, 255}, kWhite, kTransparent, pgothic(11.25, kBold), Align::Left, kShown, false},
    lamp(&Form1::midori, "midori", {8760, 1560, 855, 615}, kGreen),
    lamp(&Form1::kiiro, "kiiro", {9720, 1560, 855, 615}, kYellow),
    lamp(&Form1::aka, "aka", {10680, 1560, 855, 615}, kRed),
    {&Form1::Label13, "Label13", "うりきり", {6360, 2520, 2055, 495}, kWhite, kRed, pgothic(21.75, kBold), Align::Centre, kShown, false},
    {&Form1::Label4, "Label4", "．", {10200, 2280, 375, 855}, kWhite, kTransparent, gothic(48, kBold), Align::Left, kShown, false},
    {&Form1::Label1, "Label1", "百", {9000, 3240, 255, 375}, kWhite, kTransparent, pgothic(9.75, kBold), Align::Left, kShown, false},
    {&Form1::Label2, "Label2", "十", {9480, 3240, 375, 255}, kWhite, kTransparent, gothic(9.75, kBold), Align::Left, kShown, false},
    {&Form1::Label3, "Label3", "万", {9960, 3240, 375, 375}, kWhite, kTransparent, gothic(9.75, kBold), Align::Left, kShown, false},
    {&Form1::Label5, "Label5", "千", {10680, 3240, 375, 375}, kWhite, kTransparent, gothic(9.75, kBold), Align::Left, kShown, false},
    {&Form1::Label6, "Label6", "円", {10920, 2880, 495, 375}, kWhite, kTransparent, gothic(14.25, kBold), Align::Left, kShown, false},
    {&Form1::Label10, "Label10", "権利", {10920, 2400, 615, 375}, kRed, kTransparent, pgothic(14.25, kBold), Align::Left, kShown, false},
    // Decision countdown, guide price and next-lot area
    {&Form1::nokori, "nokori", "決定まであと　　　　　　秒", {7560, 3750, 2055, 255}, 0x00FF00, kTransparent, kDefault, Align::Left, kShown, false},
    {&Form1::Label27, "Label27", "まもなくスタート", {7680, 3650, 2535, 375}, kRed, kTransparent, pgothic(18, kBold), Align::Left, kHidden, false},
    {&Form1::meyasu, "meyasu", "落札の目安　　　　　　　万円", {7560, 4065, 2775, 255}, kWhite, kTransparent, pgothic(11.25), Align::Left, kShown, false},
    {&Form1::jiseri, "jiseri", "次競り車表示中", {7440, 4440, 3135, 495}, kYellow, kTransparent, pmincho(21.75, kBold), Align::Left, kShown, false},
    {&Form1::genseri, "genseri", "現競り", {10560, 4560, 975, 375}, kRed, kTransparent, pmincho(15.75, kBold), Align::Left, kShown, false},
    {&Form1::Label28, "Label28", "出品番号", {6360, 4320, 975, 255}, kWhite, kTransparent, pgothic(11.25, kBold), Align::Centre, kShown, false},
    {&Form1::kenri2, "kenri2", "権利", {10800, 5040, 615, 375}, kRed, kTransparent, pgothic(14.25, kBold), Align::Left, kShown, false},
    // Lower board
    {&Form1::tenmei1, "tenmei1", "購買者", {6480, 7080, 855, 255}, kWhite, kTransparent, pgothic(11.25, kBold), Align::Left, kShown, false},
    {&Form1::jibun, "jibun", "練習者", {6960, 7320, 1215, 375}, kWhite, kTransparent, gothic(18), Align::Left, kShown, false},
    {&Form1::tanin, "tanin", "他の人", {6960, 7320, 1215, 375}, kWhite, kTransparent, gothic(18), Align::Left, kShown, false},
    lamp(&Form1::midori2, "midori2", {9480, 7080, 615, 375}, kGreen),
    lamp(&Form1::kiiro2, "kiiro2", {10200, 7080, 615, 375}, kYellow),
    lamp(&Form1::aka2, "aka2", {10920, 7080, 615, 375}, kRed),
    {&Form1::sutato2, "sutato2", "スタート", {6480, 7920, 2055, 495}, kWhite, 0x0000FF, pgothic(21.75), Align::Centre, kShown, false},
    {&Form1::urikiri2, "urikiri2", "うりきり", {6480, 7920, 2055, 495}, kWhite, kRed, pgothic(21.75, kBold), Align::Centre, kShown, false},
    {&Form1::kettei2, "kettei2", "決　定", {6480, 7920, 2055, 495}, kWhite, kRed, pgothic(21.75, kBold), Align::Centre, kShown, false},
    {&Form1::Label24, "Label24", "価格", {9120, 7800, 375, 615}, kWhite, kTransparent, gothic(14.25, kBold), Align::Left, kShown, false},
    {&Form1::Label25, "Label25", "千円", {11400, 7800, 375, 615}, kWhite, kTransparent, gothic(14.25, kBold), Align::Left, kShown, false},
    // Left control panel
    {&Form1::Label26, "Label26", "V1.01", {2880, 360, 495, 255}, kWhite, kTransparent, kDefault, Align::Left, kShown, false},
    {&Form1::modo10, "modo10", "手動モード", {3000, 720, 1095, 255}, kWhite, kTransparent, pgothic(9.75), Align::Left, kShown, false},
    {&Form1::Label7, "Label7", "スタート", {480, 1080, 735, 255}, kWhite, kTransparent, gothic(9), Align::Left, kShown, false},
    {&Form1::Label11, "Label11", "うりきり", {480, 1440, 735, 255}, kWhite, kTransparent, gothic(9), Align::Left, kHidden, false},
    {&Form1::Label8, "Label8", "競り速度  　　　　　秒", {480, 1800, 1815, 255}, kWhite, kTransparent, kDefault, Align::Left, kShown, false},
    {&Form1::Label18, "Label18", "標準0.05", {2160, 1800, 735, 255}, kWhite, kTransparent, gothic(9), Align::Left, kShown, false},
    {&Form1::Label12, "Label12", "価格", {600, 3260, 495, 255}, kWhite, kTransparent, kDefault, Align::Left, kShown, false},
    {&Form1::kenri, "kenri", "練習者権利発生", {600, 3480, 1335, 255}, kRed, kTransparent, kDefault, Align::Left, kShown, false},
    indicator(&Form1::Label20, "Label20", {480, 7320, 1455, 135}),
    indicator(&Form1::Label21, "Label21", {2160, 7320, 1455, 135}),
    indicator(&Form1::Label22, "Label22", {480, 7800, 1455, 135}),
    indicator(&Form1::Label23, "Label23", {2160, 7800, 1455, 135}),
};
// clang-format on

struct TextBoxRow {
  TextBox Form1::*member;
  const char* name;
  const char* text;
  Place place;
  Color fore, back;
  bool locked;
  Font font;
  Align align;
  bool visible;
};

// Boxes the handlers write and the trainee only reads.
constexpr TextBoxRow board(TextBox Form1::*member, const char* name, const char* text, Place place,
                           Color fore, Font font, Align align = Align::Left,
                           bool visible = kShown) {
  return {member, name, text, place, fore, kBlack, true, font, align, visible};
}

// The operator's entries, in the system's window colours.
constexpr TextBoxRow entry(TextBox Form1::*member, const char* name, const char* text, Place place,
                           bool visible = kShown) {
  return {member, name, text, place, kBlack, kWhite, false, kDefault, Align::Right, visible};
}

// clang-format off
const TextBoxRow kTextBoxes[] = {
    board(&Form1::syuppin, "syuppin", "1001", {6360, 480, 1215, 585}, kOrange, gothic(26.25, kBold)),
    board(&Form1::nensiki, "nensiki", "11", {7920, 480, 615, 525}, kOrange, gothic(26.25, kBold), Align::Centre),
    board(&Form1::tenmei, "tenmei", "練習者", {6360, 1560, 1455, 540}, kOrange, gothic(21.75, kBold)),
    board(&Form1::Text1, "Text1", "1", {8760, 2280, 495, 975}, kOrange, gothic(48, kBold)),
    board(&Form1::Text2, "Text2", "2", {9240, 2280, 495, 975}, kOrange, gothic(48, kBold)),
    board(&Form1::Text3, "Text3", "3", {9720, 2280, 495, 975}, kOrange, gothic(48, kBold)),
    board(&Form1::Text4, "Text4", "4", {10440, 2520, 375, 690}, kOrange, gothic(36, kBold)),
    board(&Form1::nokori2, "nokori2", "決定", {8520, 3700, 735, 255}, 0x00FF00, gothic(11.25, kBold), Align::Centre),
    board(&Form1::meyasugaku, "meyasugaku", "Text5", {8760, 4040, 975, 270}, kWhite, gothic(14.25, kBold), Align::Right),
    board(&Form1::syuppin2, "syuppin2", "1001", {6360, 4560, 975, 465}, kWhite, gothic(21.75, kBold), Align::Centre, kHidden),
    board(&Form1::hyakuman2, "hyakuman2", "1", {9480, 7560, 495, 870}, kWhite, gothic(48, kBold)),
    board(&Form1::jyuuman2, "jyuuman2", "2", {9960, 7560, 495, 870}, kWhite, gothic(48, kBold)),
    board(&Form1::man2, "man2", "3", {10440, 7560, 615, 870}, kWhite, gothic(48, kBold)),
    board(&Form1::sen2, "sen2", "4", {11040, 7740, 375, 690}, kWhite, gothic(36, kBold)),
    entry(&Form1::Text6, "Text6", "200", {1200, 1080, 615, 270}),
    // Never shown: the store of the sell-out price.
    entry(&Form1::Text8, "Text8", "500", {1200, 1440, 615, 270}, kHidden),
    entry(&Form1::Text7, "Text7", "0.05", {1200, 1800, 615, 270}),
    board(&Form1::Text9, "Text9", "Text9", {960, 3180, 855, 285}, kGreen, gothic(14.25, kBold), Align::Right),
};
// clang-format on

struct ButtonRow {
  Button Form1::*member;
  const char* name;
  const char* caption;
  Place place;
  Color back;
};

// clang-format off
const ButtonRow kButtons[] = {
    {&Form1::Command12, "Command12", "応札ボタン", {6240, 3720, 1215, 495}, kOrange},
    {&Form1::Command14, "Command14", "確認", {10440, 3720, 1215, 495}, kSilver},
    {&Form1::syudou, "syudou", "手 動", {480, 720, 735, 255}, kButtonFace},
    {&Form1::semi, "semi", "自　動", {1320, 720, 735, 255}, kButtonFace},
    {&Form1::Command26, "Command26", "全自動", {2160, 720, 735, 255}, kButtonFace},
    {&Form1::Command11, "Command11", "条件をセットしてスタート価格表示", {480, 2160, 3135, 375}, 0xFFFFC0},
    {&Form1::Command1, "Command1", "スタート", {480, 2640, 3135, 495}, kLightCyan},
    {&Form1::Command7, "Command7", "再スタート", {480, 3720, 1455, 495}, kLightCyan},
    {&Form1::Command2, "Command2", "競上ストップ", {2160, 3720, 1455, 735}, kLightCyan},
    {&Form1::Command15, "Command15", "スロー競上", {2160, 3240, 1455, 375}, kLightCyan},
    {&Form1::Command4, "Command4", "５万戻す", {480, 4320, 1455, 255}, kPeach},
    {&Form1::Command5, "Command5", "１万戻す", {480, 4680, 1455, 255}, kPeach},
    {&Form1::Command6, "Command6", "１千戻す", {480, 5040, 1455, 255}, kPeach},
    {&Form1::Command13, "Command13", "連続競上", {2160, 4560, 1455, 495}, kOrange},
    {&Form1::Command3, "Command3", "手動競上", {2160, 5160, 1455, 495}, kOrange},
    {&Form1::Command24, "Command24", "見切り", {480, 5400, 1455, 255}, 0x80FF80},
    {&Form1::Command8, "Command8", captionOf(SellOut::Impossible), {480, 5760, 3135, 375}, sellOutState(SellOut::Impossible).face},
    {&Form1::Command9, "Command9", "決定処理", {480, 6240, 1455, 855}, kSilver},
    {&Form1::Command22, "Command22", "流札処理", {2160, 6240, 1455, 375}, kLightRed},
    {&Form1::Command10, "Command10", "次競り準備", {2160, 6720, 1455, 375}, kSilver},
    {&Form1::Command23, "Command23", "強制停止", {2160, 8280, 1455, 255}, kSalmon},
    {&Form1::Command25, "Command25", "練習終了", {480, 8280, 1455, 255}, 0x80FFFF},
    {&Form1::Command20, "Command20", "応札補助なし", {480, 7440, 1455, 255}, kButtonFace},
    {&Form1::Command21, "Command21", "応札補助あり", {2160, 7440, 1455, 255}, kButtonFace},
    {&Form1::Command18, "Command18", "応札記録隠す", {480, 7920, 1455, 255}, kButtonFace},
    {&Form1::Command19, "Command19", "応札記録表示", {2160, 7920, 1455, 255}, kButtonFace},
    // Beside the start price, where the panel has room: it covers nothing of the board.
    {&Form1::seiseki, "seiseki", "練習成績", {2160, 1080, 1455, 255}, kButtonFace},
};
// clang-format on

struct PictureRow {
  Picture Form1::*member;
  const char* name;
  const char* file;  // under the program's folder
  Place place;
};

const PictureRow kPictures[] = {
    {&Form1::Image1, "Image1", "gazou/1001.jpg", {6240, 4320, 5505, 4125}},
    {&Form1::Image3, "Image3", "title.png", {120, 0, 2640, 510}},
};

// The grey frame around the main price board.
constexpr Color kFrameColour = kSilver;
constexpr int kFrameWidth = 4;
struct LineRow {
  Line Form1::*member;
  const char* name;
  int x1, y1, x2, y2;
};

const LineRow kLines[] = {
    {&Form1::Line1, "Line1", 6240, 120, 6240, 3600},
    {&Form1::Line2, "Line2", 11640, 120, 11640, 3600},
    {&Form1::Line3, "Line3", 6240, 120, 11640, 120},
    {&Form1::Line4, "Line4", 6240, 3600, 11640, 3600},
};

void place(Element& e, const char* name, Kind kind, Place p, bool visible = true) {
  e.name = name;
  e.kind = kind;
  e.left = p.left;
  e.top = p.top;
  e.width = p.width;
  e.height = p.height;
  e.visible = visible;
}

}  // namespace

void Form1::layOut() {
  // Stacking order: pictures at the bottom, then lines and labels, then boxes and buttons.
  for (const auto& row : kPictures) {
    Picture& p = this->*row.member;
    place(p, row.name, Kind::Picture, row.place);
    p.picture = inProgramDirectory(host_.programDirectory(), row.file);
    elements_.push_back(&p);
  }
  for (const auto& row : kLines) {
    Line& l = this->*row.member;
    place(l, row.name, Kind::Line,
          {std::min(row.x1, row.x2), std::min(row.y1, row.y2), std::abs(row.x2 - row.x1),
           std::abs(row.y2 - row.y1)});
    l.x1 = row.x1;
    l.y1 = row.y1;
    l.x2 = row.x2;
    l.y2 = row.y2;
    l.borderColor = kFrameColour;
    l.borderWidth = kFrameWidth;
    elements_.push_back(&l);
  }
  for (const auto& row : kLabels) {
    Label& l = this->*row.member;
    place(l, row.name, Kind::Label, row.place, row.visible);
    l.caption = row.caption;
    l.foreColor = row.fore;
    l.transparent = !row.back;
    l.backColor = row.back.value_or(kBlack);
    l.font = row.font;
    l.alignment = row.align;
    l.border = row.border;
    elements_.push_back(&l);
  }
  for (const auto& row : kTextBoxes) {
    TextBox& t = this->*row.member;
    place(t, row.name, Kind::TextBox, row.place, row.visible);
    t.text = row.text;
    t.foreColor = row.fore;
    t.backColor = row.back;
    t.locked = row.locked;
    t.font = row.font;
    t.alignment = row.align;
    elements_.push_back(&t);
  }
  // The bid record: a tall scrolling box the trainee reads but never tabs into.
  place(ousatu, "ousatu", Kind::TextBox, {4080, 120, 1815, 8415});
  ousatu.locked = true;
  ousatu.multiLine = true;
  ousatu.tabStop = false;
  ousatu.font = gothic(9);
  elements_.push_back(&ousatu);
  for (const auto& row : kButtons) {
    Button& b = this->*row.member;
    place(b, row.name, Kind::Button, row.place);
    b.caption = row.caption;
    b.backColor = row.back;
    elements_.push_back(&b);
  }
}

}  // namespace kobaru
