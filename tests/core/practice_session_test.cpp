// SPDX-License-Identifier: MIT
#include "session/practice_session.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "support/inputs.h"
#include "support/recording_host.h"

namespace kobaru {
namespace {

std::vector<EffectKind> kindsOf(const Reply& r) {
  std::vector<EffectKind> kinds;
  for (const Effect& e : r.effects) kinds.push_back(e.kind);
  return kinds;
}

const DisplayedElement* changed(const Reply& r, const std::string& name) {
  for (const DisplayedElement& d : r.changes)
    if (d.element().name == name) return &d;
  return nullptr;
}

// A session on a wall clock of its own, opened in manual mode with the clock stopped on the
// start price of a lot at 200.
struct Session : ::testing::Test {
  RecordingHost platform;
  std::int64_t wall = 50'000;
  PracticeSession s{platform, scripted({0.5}), wall};

  Reply in(Input input) { return s.input(input, wall); }
  Reply click(const char* name) { return in(key(InputKind::KeyDown, name, U'\r')); }
  Reply after(std::int64_t ms) {
    wall += ms;
    return in(input(InputKind::Tick));
  }
  void openStoppedLot() {
    in(input(InputKind::Load));
    click("Command23");
    in(typed("Text6", "200"));
    click("Command11");
    click("Command1");
    click("Command2");
  }
};

TEST_F(Session, AnEventRunsAfterTheTicksDueAndTellsOnlyWhatChanged) {
  openStoppedLot();
  const Reply pressed = in(down("Command12"));
  EXPECT_EQ(pressed.held, "Command12");
  EXPECT_EQ(pressed.focus, "Command12");  // the pressed button takes the focus
  ASSERT_TRUE(pressed.sleep);             // the held button sets the clock climbing
  EXPECT_EQ(s.form().osityuu, 1);
  const double before = s.form().kakaku;
  const Reply later = after(*pressed.sleep + 200);
  EXPECT_GT(s.form().kakaku, before);
  EXPECT_FALSE(later.changes.empty());
  // Each element once, and nothing again that has not changed since.
  std::set<std::string> names;
  for (const DisplayedElement& d : later.changes)
    EXPECT_TRUE(names.insert(d.element().name).second) << d.element().name;
  EXPECT_TRUE(in(input(InputKind::Focus, "Command12")).changes.empty());
  const Reply released = in(up("Command12"));
  EXPECT_EQ(s.form().osityuu, 0);
  EXPECT_EQ(released.held, "");
  EXPECT_FALSE(released.focus);  // it had the focus already
  EXPECT_TRUE(changed(released, "ousatu"));
}

TEST_F(Session, TypedTextGoesIntoTheFormAndIsNotSentBack) {
  in(input(InputKind::Load));
  click("Command23");
  const Reply shown = in(typed("Text6", "345"));
  EXPECT_EQ(s.form().Text6.text, "345");
  EXPECT_FALSE(changed(shown, "Text6"));
  // A locked box, or no box at all, takes nothing.
  in(typed("ousatu", "x"));
  in(typed("nothing", "x"));
  EXPECT_NE(s.form().ousatu.text, "x");
}

TEST_F(Session, AMessageHoldsTheRestOfItsEventTheClockAndTheEventsUntilClosed) {
  openStoppedLot();
  const Reply ended = click("Command25");
  EXPECT_EQ(kindsOf(ended), std::vector{EffectKind::Message});
  EXPECT_EQ(ended.effects[0].text, "練習を終了して　メニューへ戻ります");
  EXPECT_TRUE(ended.changes.empty());  // the screen stays as it was while the message shows
  EXPECT_FALSE(ended.sleep);
  EXPECT_TRUE(s.holding());
  // Events and ticks meanwhile are dropped.
  const std::string record = s.form().ousatu.text;
  EXPECT_TRUE(in(down("Command12")).effects.empty());
  EXPECT_EQ(after(5000).effects.size(), 0u);
  EXPECT_EQ(s.form().osityuu, 0);
  EXPECT_EQ(s.form().ousatu.text, record);
  const Reply closed = in(input(InputKind::MessageClosed));
  EXPECT_FALSE(s.holding());
  EXPECT_EQ(kindsOf(closed),
            (std::vector{EffectKind::ShowLauncher, EffectKind::ClosePracticeScreen}));
}

TEST_F(Session, AButtonLetGoOfDuringAMessageIsReleasedOnceItIsClosed) {
  openStoppedLot();
  in(down("Command12"));
  ASSERT_EQ(s.form().osityuu, 1);
  // The one message a lot shows with the bid button held: the full-automatic start's check,
  // reached here by putting the form in that state.
  const Reply checked = s.run(
      [](Form1& f) {
        f.modo = 2;
        f.sutatofuka = 0;
        f.Text6.text.clear();
        f.Command1_Click();
      },
      wall);
  ASSERT_EQ(kindsOf(checked), std::vector{EffectKind::Message});
  const Reply letGo = in(up("Command12"));
  EXPECT_EQ(letGo.held, "");
  EXPECT_EQ(s.form().osityuu, 1);
  const Reply closed = in(input(InputKind::MessageClosed));
  EXPECT_EQ(s.form().osityuu, 0);
  EXPECT_EQ(closed.focus, "Text6");  // where the check put it
}

TEST_F(Session, ASecondCopyShowsItsNoticeThenCloses) {
  platform.otherCopy = true;
  const Reply loaded = in(input(InputKind::Load));
  ASSERT_EQ(kindsOf(loaded), std::vector{EffectKind::Message});
  EXPECT_EQ(loaded.effects[0].icon, MessageIcon::Information);
  EXPECT_EQ(kindsOf(in(input(InputKind::MessageClosed))),
            std::vector{EffectKind::ClosePracticeScreen});
  // A closed message closed again is nothing.
  EXPECT_TRUE(in(input(InputKind::MessageClosed)).effects.empty());
}

TEST_F(Session, AHiddenScreenSleepsAndItsPauseIsNotReplayed) {
  in(input(InputKind::Load));  // the full-automatic practice runs
  const Reply hidden = in(input(InputKind::Hidden));
  EXPECT_FALSE(hidden.sleep);
  const std::int64_t at = s.now();
  wall += 60'000;
  const Reply shown = in(input(InputKind::Shown));
  EXPECT_TRUE(shown.sleep);
  EXPECT_EQ(s.now(), at);
}

TEST(DisplayedElement, CaptionsAroundABoxAndWholeLines) {
  RecordingHost platform;
  PracticeSession s{platform, scripted({0.5}), 0};
  std::vector<DisplayedElement> all = s.all();
  const auto named = [&all](const char* name) {
    return *std::find_if(all.begin(), all.end(),
                         [name](const DisplayedElement& d) { return d.element().name == name; });
  };
  const DisplayedElement nokori = named("nokori");
  ASSERT_TRUE(nokori.aroundBox);
  EXPECT_EQ(nokori.aroundBox->before, "決定まであと");
  EXPECT_EQ(nokori.aroundBox->after, "秒");
  EXPECT_EQ(nokori.aroundBox->left, 8520 - 7560);
  EXPECT_EQ(nokori.aroundBox->right, 8520 + 735 - 7560);
  EXPECT_EQ(named("meyasu").aroundBox->after, "万円");
  EXPECT_EQ(named("Label8").aroundBox->before, "競り速度");
  EXPECT_EQ(named("Label8").aroundBox->after, "秒");
  EXPECT_EQ(nokori.wholeLines, 0);  // laid out around its box instead
  for (const DisplayedElement& d : all) {
    if (d.element().kind != Kind::Label || d.aroundBox) continue;
    const auto& l = std::get<Label>(d.state);
    // A 255-twip label of an 11.25 pt face holds one line; none holds a line it cuts through.
    EXPECT_LE(d.wholeLines * l.font.size * 20, l.height + l.font.size * 20 / 4) << l.name;
  }
}

}  // namespace
}  // namespace kobaru
