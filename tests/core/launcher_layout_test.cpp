// SPDX-License-Identifier: MIT
#include "presentation/launcher_layout.h"

#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kobaru {
namespace {

struct Placed {
  std::string_view name;
  LauncherPlace place;
};

std::vector<Placed> everyPlace() {
  std::vector<Placed> all{{kLauncher.title.name, kLauncher.title.place},
                          {kLauncher.notice.name, kLauncher.notice.place}};
  for (const MenuButton& b : kLauncher.menu) all.push_back({b.name, b.place});
  return all;
}

bool overlap(const LauncherPlace& a, const LauncherPlace& b) {
  return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
         b.top < a.top + a.height;
}

// Magnifying the designed area shows all of it, so everything on the backdrop stays in view and
// no element hides another.
TEST(LauncherLayout, EveryElementLiesOnTheBackdropAndApartFromTheOthers) {
  const std::vector<Placed> all = everyPlace();
  for (const Placed& e : all) {
    SCOPED_TRACE(std::string(e.name));
    EXPECT_GT(e.place.width, 0);
    EXPECT_GT(e.place.height, 0);
    EXPECT_GE(e.place.left, 0);
    EXPECT_GE(e.place.top, 0);
    EXPECT_LE(e.place.left + e.place.width, kLauncher.designedWidth);
    EXPECT_LE(e.place.top + e.place.height, kLauncher.designedHeight);
    for (const Placed& other : all) {
      if (&other != &e) {
        EXPECT_FALSE(overlap(e.place, other.place)) << other.name;
      }
    }
  }
}

// Each button does its own thing, and only the results wait for a practice.
TEST(LauncherLayout, EveryMenuButtonHasAnActionOfItsOwn) {
  const std::pair<std::string_view, MenuAction> expected[] = {
      {"Command1", MenuAction::OpenPractice}, {"Command2", MenuAction::ShowHelp},
      {"Command3", MenuAction::ExitProgram},  {"Command4", MenuAction::ShowAbout},
      {"Command5", MenuAction::ShowResults},
  };
  ASSERT_EQ(kLauncher.menu.size(), std::size(expected));
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    SCOPED_TRACE(kLauncher.menu[i].name);
    EXPECT_EQ(kLauncher.menu[i].name, expected[i].first);
    EXPECT_EQ(kLauncher.menu[i].action, expected[i].second);
    EXPECT_EQ(kLauncher.menu[i].afterPractice, expected[i].second == MenuAction::ShowResults);
  }
}

TEST(LauncherLayout, TheNoticeIsShownAsItsSevenLinesWithoutTheirEnds) {
  const std::vector<std::string_view> lines = noticeLines();
  ASSERT_EQ(lines.size(), 7u);
  EXPECT_EQ(lines[0], "本ソフトは　自動競り機を使用した自動車オークシ");
  // Trailing blanks are the notice's own and stay.
  EXPECT_EQ(lines[2], "えるためのソフトではありません。　　　　　　　　　　");
  EXPECT_EQ(lines[6], "場合があります。");
  for (std::string_view line : lines) EXPECT_EQ(line.find_first_of("\r\n"), line.npos) << line;
}

TEST(LauncherLayout, TheNoticeHasSevenLinesEachEndingInCrLf) {
  const std::string_view notice = kLauncher.notice.text;
  int lines = 0;
  for (std::size_t at = 0; at < notice.size(); ++lines) {
    const std::size_t end = notice.find("\r\n", at);
    ASSERT_NE(end, std::string_view::npos) << "line " << lines + 1 << " has no CR LF";
    EXPECT_EQ(notice.substr(at, end - at).find_first_of("\r\n"), std::string_view::npos);
    at = end + 2;
  }
  EXPECT_EQ(lines, 7);
}

}  // namespace
}  // namespace kobaru
