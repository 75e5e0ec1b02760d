// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "support/screen.h"

namespace kobaru {
namespace {

// What the three displays show for a price; "-" marks a hidden lower-board digit.
struct Shown {
  double kakaku;
  const char *main1, *main2, *main3, *main4;
  const char *low1, *low2, *low3, *low4;
  const char* panel;
};

std::string lower(const TextBox& box) {
  return box.visible ? box.text : "-";
}

TEST(PriceDisplay, HyoujiShowsThePriceOnBothBoardsAndThePanel) {
  const Shown cases[] = {
      {0, "", "", "", "0", "-", "-", "-", "0", ".0"},
      {5, "", "", "", "5", "-", "-", "-", "5", ".5"},
      {99, "", "", "9", "9", "-", "-", "9", "9", "9.9"},
      {200, "", "2", "0", "0", "-", "2", "0", "0", "20.0"},
      {1005, "1", "0", "0", "5", "1", "0", "0", "5", "100.5"},
      {9999, "9", "9", "9", "9", "9", "9", "9", "9", "999.9"},
      {12345, "12", "3", "4", "5", "12", "3", "4", "5", "1234.5"},
      {-10, "", "", "-1", "0", "-", "-", "-1", "0", "-1.0"},
      {200.5, "", "2", "0", "0.5", "-", "2", "0", "0.5", "20.1"},
  };
  ManualScreen s;
  Form1& f = s.f;
  for (const Shown& c : cases) {
    SCOPED_TRACE(c.kakaku);
    f.kakaku = c.kakaku;
    f.hyouji();
    EXPECT_EQ(f.Text1.text, c.main1);
    EXPECT_EQ(f.Text2.text, c.main2);
    EXPECT_EQ(f.Text3.text, c.main3);
    EXPECT_EQ(f.Text4.text, c.main4);
    EXPECT_EQ(lower(f.hyakuman2), c.low1);
    EXPECT_EQ(lower(f.jyuuman2), c.low2);
    EXPECT_EQ(lower(f.man2), c.low3);
    EXPECT_EQ(lower(f.sen2), c.low4);
    EXPECT_EQ(f.Text9.text, c.panel);
    for (const TextBox* box : {&f.Text1, &f.Text2, &f.Text3, &f.Text4})
      EXPECT_TRUE(box->visible) << box->name;
  }
  // The working digits of the last price, 200.5, stay behind.
  EXPECT_EQ(f.hyakuman, 0);
  EXPECT_EQ(f.jyuuman, 2);
  EXPECT_EQ(f.man, 0);
  EXPECT_EQ(f.sen, 0.5);
}

TEST(PriceDisplay, KesuEmptiesEverythingAndHyoujiRestoresIt) {
  ManualScreen s;
  Form1& f = s.f;
  f.kakaku = 1005;
  f.hyouji();
  f.kenri.caption = "練習者権利発生";
  f.kesu();
  for (const TextBox* box : {&f.Text1, &f.Text2, &f.Text3, &f.Text4, &f.Text9}) {
    EXPECT_EQ(box->text, "") << box->name;
    EXPECT_TRUE(box->visible) << box->name;
  }
  for (const TextBox* box : {&f.hyakuman2, &f.jyuuman2, &f.man2, &f.sen2}) {
    EXPECT_EQ(box->text, "") << box->name;
    EXPECT_FALSE(box->visible) << box->name;
  }
  EXPECT_EQ(f.kenri.caption, "");
  EXPECT_EQ(f.Label4.caption, "．");

  f.hyouji();
  EXPECT_EQ(f.Text1.text + f.Text2.text + f.Text3.text + f.Text4.text, "1005");
  EXPECT_TRUE(f.hyakuman2.visible && f.jyuuman2.visible && f.man2.visible && f.sen2.visible);
}

}  // namespace
}  // namespace kobaru
