// SPDX-License-Identifier: MIT
#include "presentation/launcher_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
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
