// SPDX-License-Identifier: MIT
#include "session/gestures.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/inputs.h"

namespace kobaru {
namespace {

using K = Gesture::Kind;

struct Case {
  const char* what;
  std::vector<Input> inputs;
  std::vector<Gesture> gestures;  // all the inputs gave, in order
};

TEST(Gestures, MakeThePressReleaseAndClickOfRawInput) {
  const Input space = key(InputKind::KeyDown, "Command1", U' ');
  const Input spaceUp = key(InputKind::KeyUp, "Command1", U' ');
  const Case cases[] = {
      {"a primary click over the button",
       {down("Command12"), up("Command12")},
       {{K::Press, "Command12"}, {K::Release, "Command12"}, {K::Click, "Command12"}}},
      {"let go off the button: no click",
       {down("Command12"), up("Command12", false)},
       {{K::Press, "Command12"}, {K::Release, "Command12"}}},
      {"the secondary button presses and releases but never clicks",
       {down("Command12", 2, false), up("Command12", true, 2)},
       {{K::Press, "Command12"}, {K::Release, "Command12"}}},
      {"a second pointer while one holds adds nothing, its release neither",
       {down("Command12"), down("Command13", 1), up("Command13", true, 1), up("Command12")},
       {{K::Press, "Command12"}, {K::Release, "Command12"}, {K::Click, "Command12"}}},
      {"a release of nothing held, or of another button, is nothing",
       {up("Command12"), down("Command12"), up("Command13")},
       {{K::Press, "Command12"}}},
      {"Space clicks on its release, not on its repeats",
       {space, key(InputKind::KeyDown, "Command1", U' ', true), spaceUp, spaceUp},
       {{K::Click, "Command1"}}},
      {"Space let go on another button clicks nothing",
       {space, key(InputKind::KeyUp, "Command2", U' ')},
       {}},
      {"the focus leaving the button forgets Space",
       {space, input(InputKind::Focus, "Text6"), spaceUp},
       {}},
      {"Enter clicks on its press, once however long it is held",
       {key(InputKind::KeyDown, "Command1", U'\r'),
        key(InputKind::KeyDown, "Command1", U'\r', true), key(InputKind::KeyUp, "Command1", U'\r')},
       {{K::Click, "Command1"}}},
      {"an entry's characters, but none outside Unicode",
       {key(InputKind::EntryKey, "Text6", U'5'), key(InputKind::EntryKey, "Text6", 0x110000)},
       {{K::EntryKey, "Text6", U'5'}}},
      {"a click into an entry: the primary button, over it",
       {input(InputKind::EntryClick, "Text6"), entryClick("Text6", false),
        entryClick("Text6", true, false)},
       {{K::EntryClick, "Text6"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Gestures g;
    std::vector<Gesture> made;
    for (const Input& in : c.inputs)
      for (const Gesture& x : g.feed(in)) made.push_back(x);
    EXPECT_EQ(made, c.gestures);
  }
}

TEST(Gestures, TheHeldButtonIsTheOneDrawnPressed) {
  Gestures g;
  g.feed(down("Command12"));
  EXPECT_EQ(g.held(), "Command12");
  g.feed(down("Command13", 1));
  EXPECT_EQ(g.held(), "Command12");
  g.feed(up("Command12", false));
  EXPECT_EQ(g.held(), "");
}

}  // namespace
}  // namespace kobaru
