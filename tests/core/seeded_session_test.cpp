// SPDX-License-Identifier: MIT
// A seeded session, played in virtual time, goes through the same states on every target the
// core is built for: the suite runs natively and compiled to WebAssembly, against one golden text
// (seeded_session.golden, built into the suite), so a difference shows as the lines that changed.
//
// A change of the session's behaviour on purpose changes the golden text: from the source folder,
// write the new one with
//   KOBARU_WRITE_GOLDEN=tests/core/seeded_session.golden
//     build-test/bin/kobaru_core_tests --gtest_filter='SeededSession.*'
// (one command line), read its diff, and take it only where both targets give it.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "practice/form1.h"
#include "practice/numbers.h"
#include "practice/random.h"
#include "support/recording_host.h"
#include "support/seeded_session_golden.h"

namespace kobaru {
namespace {

std::string colour(Color c) {
  char text[8];
  std::snprintf(text, sizeof text, "#%06X", static_cast<unsigned>(c));
  return text;
}

// Everything the trainee sees and hears and the screen remembers, a line a thing.
class StateText {
 public:
  StateText(const Form1& f, const RecordingHost& host, const std::string& moment) {
    text_ += "== " + moment + " at " + std::to_string(f.scheduler.now()) + " ms\n";
    text_ += "sounds";
    for (const std::string& cue : host.sounds) text_ += " " + cue.substr(cue.rfind('/') + 1);
    text_ += "\nbeeps " + std::to_string(host.beeps) + ", messages " +
             std::to_string(host.messages.size()) + "\n";
    for (const Element* e : f.elements()) element(*e);
    const std::pair<const char*, double> numbers[] = {{"syuppinbangou", f.syuppinbangou},
                                                      {"kakaku", f.kakaku},
                                                      {"urikiri", f.urikiri},
                                                      {"meyasuti", f.meyasuti},
                                                      {"sokudo", f.sokudo},
                                                      {"kankaku", f.kankaku},
                                                      {"kakakuman", f.kakakuman},
                                                      {"ousatukakaku", f.ousatukakaku},
                                                      {"sutatokakaku", f.sutatokakaku},
                                                      {"saiserikakaku", f.saiserikakaku},
                                                      {"mikirikakaku", f.mikirikakaku},
                                                      {"teisiue", f.teisiue},
                                                      {"teisisita", f.teisisita}};
    for (const auto& [name, v] : numbers) text_ += std::string(name) + " " + numberText(v) + "\n";
    const std::pair<const char*, int> flags[] = {{"modo", f.modo},
                                                 {"settei", f.settei},
                                                 {"sutatofuka", f.sutatofuka},
                                                 {"serityuu", f.serityuu},
                                                 {"simekiri", f.simekiri},
                                                 {"syuuryou", f.syuuryou},
                                                 {"urikirityuu", f.urikirityuu},
                                                 {"taninkenri", f.taninkenri},
                                                 {"syudouseri", f.syudouseri},
                                                 {"osityuu", f.osityuu},
                                                 {"kaisinaosi", f.kaisinaosi},
                                                 {"copatan", f.copatan},
                                                 {"habaransuu", f.habaransuu},
                                                 {"teisihaba", f.teisihaba},
                                                 {"gazoubangou", f.gazoubangou}};
    for (const auto& [name, v] : flags) text_ += std::string(name) + " " + std::to_string(v) + "\n";
    text_ += "kirokukakaku \"" + f.kirokukakaku + "\"\nkirokumei \"" + f.kirokumei +
             "\"\nsaisyuuousatu \"" + f.saisyuuousatu + "\"\ngazou \"" + f.gazou + "\"\n";
    text_ += "timers";
    for (const Timer* t :
         {&f.Timer1,  &f.Timer2,  &f.Timer3,  &f.Timer4,  &f.Timer5,  &f.Timer6,  &f.Timer7,
          &f.Timer8,  &f.Timer9,  &f.Timer10, &f.Timer11, &f.Timer12, &f.Timer13, &f.Timer14,
          &f.Timer15, &f.Timer16, &f.Timer17, &f.Timer18, &f.Timer19, &f.Timer20, &f.Timer21})
      if (t->enabled())
        text_ += " " + std::to_string(t->number()) + "/" + std::to_string(t->interval());
    text_ += "\n";
  }

  const std::string& text() const { return text_; }

 private:
  void element(const Element& e) {
    text_ += e.name + " " + (e.visible ? "shown" : "hidden");
    switch (e.kind) {
      case Kind::Label: {
        const auto& l = static_cast<const Label&>(e);
        text_ += " \"" + l.caption + "\" " + colour(l.foreColor) + " on " + colour(l.backColor);
        break;
      }
      case Kind::Button: {
        const auto& b = static_cast<const Button&>(e);
        text_ += " \"" + b.caption + "\" on " + colour(b.backColor);
        break;
      }
      case Kind::TextBox: {
        const auto& t = static_cast<const TextBox&>(e);
        if (t.multiLine) {
          // The bid record, a line of the text a line here.
          text_ += " " + colour(t.foreColor) + " on " + colour(t.backColor) + "\n";
          std::string::size_type from = 0;
          for (;;) {
            const auto end = t.text.find("\r\n", from);
            text_ += "  | " + t.text.substr(from, end - from) + "\n";
            if (end == std::string::npos) return;
            from = end + 2;
          }
        }
        text_ += " \"" + t.text + "\" " + colour(t.foreColor) + " on " + colour(t.backColor) +
                 (t.locked ? " locked" : "");
        break;
      }
      case Kind::Picture:
        text_ += " \"" + static_cast<const Picture&>(e).picture + "\"";
        break;
      case Kind::Line:
        text_ += " " + colour(static_cast<const Line&>(e).borderColor);
        break;
    }
    text_ += "\n";
  }

  std::string text_;
};

// Runs the screen's clock on to `at`, virtual milliseconds.
void until(Form1& f, std::int64_t at) {
  f.scheduler.advance(at - f.scheduler.now());
}

// Ten minutes of the full-automatic practice with a trainee who bids on a fixed beat, then a
// manual lot the trainee runs and wins; the state after each.
std::string play(Form1& f, const RecordingHost& host) {
  f.Form_Load();
  for (std::int64_t t = 1700; t < 10 * 60 * 1000; t += 1700) {
    until(f, t);
    f.Command12_MouseDown();
    until(f, t + (t % 3 == 0 ? 900 : 120));  // now and then a held bid
    f.Command12_MouseUp();
    f.Command12_Click();
    if (t % 7 == 0) f.Command14_Click();
  }
  std::string states = StateText(f, host, "after ten minutes of automatic practice").text();
  f.Command23_Click();  // a forced stop: manual practice
  f.Text6.text = "350";
  f.Command11_Click();
  f.Command1_Click();
  until(f, f.scheduler.now() + 2000);
  f.Command12_MouseDown();
  f.Command12_MouseUp();
  f.Command12_Click();
  until(f, f.scheduler.now() + 20'000);
  return states + StateText(f, host, "after a manual lot").text();
}

TEST(SeededSession, GoesThroughTheGoldenStatesOnEveryTarget) {
  RecordingHost host;
  Form1 f(host, seededRnd(20261210));
  const std::string states = play(f, host);
  if (const char* path = std::getenv("KOBARU_WRITE_GOLDEN")) {
    std::ofstream(path, std::ios::binary) << states;
    GTEST_SKIP() << "wrote the golden states to " << path;
  }
  EXPECT_EQ(states, kSeededSessionGolden);
}

}  // namespace
}  // namespace kobaru
