// SPDX-License-Identifier: MIT
#include "practice/paths.h"

#include <gtest/gtest.h>

namespace kobaru {
namespace {

TEST(Paths, TrailingSeparatorIsAddedOnceInTheFoldersOwnStyle) {
  struct Case {
    const char* folder;
    const char* expected;
  };
  const Case cases[] = {
      {"/opt/kobaru", "/opt/kobaru/"},
      {"/opt/kobaru/", "/opt/kobaru/"},
      {"/", "/"},
      {"C:\\Kobaru", "C:\\Kobaru\\"},
      {"C:\\", "C:\\"},
      {"", "/"},
  };
  for (const Case& c : cases) EXPECT_EQ(withTrailingSeparator(c.folder), c.expected) << c.folder;
}

TEST(Paths, RelativePathsTakeTheFoldersSeparator) {
  EXPECT_EQ(inProgramDirectory("/opt/kobaru", "gazou/1001.jpg"), "/opt/kobaru/gazou/1001.jpg");
  EXPECT_EQ(inProgramDirectory("C:\\", "gazou/1001.jpg"), "C:\\gazou\\1001.jpg");
}

}  // namespace
}  // namespace kobaru
