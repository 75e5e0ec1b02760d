// SPDX-License-Identifier: MIT
#include "presentation/accessible_names.h"

#include <gtest/gtest.h>

#include "practice/form1.h"
#include "support/recording_host.h"

namespace kobaru {
namespace {

TEST(AccessibleNames, EveryElementHasOne) {
  RecordingHost host;
  Form1 f{host, scripted({0.5})};
  for (const Element* e : f.elements()) EXPECT_FALSE(accessibleName(*e).empty()) << e->name;
}

TEST(AccessibleNames, ACaptionOrADescription) {
  RecordingHost host;
  Form1 f{host, scripted({0.5})};
  struct Case {
    const char* element;
    const char* name;
  };
  const Case cases[] = {
      {"aka", "赤ランプ"},    {"Command12", "応札ボタン"}, {"Text6", "スタート価格（千円）"},
      {"ousatu", "応札記録"}, {"Image1", "出品車の写真"},  {"Line1", "価格表示板の枠"},
  };
  for (const Case& c : cases) EXPECT_EQ(accessibleName(*f.element(c.element)), c.name) << c.element;
}

TEST(AccessibleNames, AnElementNotInTheTableIsCalledByItsCaptionTextOrName) {
  Label label;
  label.name = "LabelX";
  label.caption = "価格";
  EXPECT_EQ(accessibleName(label), "価格");
  TextBox box;
  box.name = "TextX";
  box.kind = Kind::TextBox;
  box.text = "20.0";
  EXPECT_EQ(accessibleName(box), "20.0");
  Picture picture;
  picture.name = "ImageX";
  picture.kind = Kind::Picture;
  EXPECT_EQ(accessibleName(picture), "ImageX");
}

}  // namespace
}  // namespace kobaru
