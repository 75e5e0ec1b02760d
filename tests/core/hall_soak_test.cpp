// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <string_view>

#include "support/hall_practice.h"

namespace kobaru {
namespace {

bool knownLine(std::string_view line) {
  for (const RecordKindRow& row : kRecordKinds)
    if (line.substr(0, row.label.size()) == row.label) return true;
  return false;
}

// After every event of a thousand automatic lots with two to eight trainees coming and going:
// every page shows the same price and lot, the right lights only for its holder, each record
// holds only lines the single-user record has, and 自分落札 shows on the winner's page alone; at
// the end every lot is once in each trainee's results.
TEST(HallSoak, AThousandLotsWithTraineesComingAndGoing) {
  constexpr long kLots = 1000;
  HallPractice practice(7, 2, 8);
  std::map<int, std::string> checked;  // each page's record as last read
  const auto check = [&checked](HallPractice& p) {
    const Form1& f = p.hall().form();
    int wins = 0;
    for (const auto& entry : p.pages()) {
      const int id = entry.first;
      const HallPractice::Page& page = entry.second;
      const auto text = [&page](const char* name) {
        return std::get<TextBox>(page.shown.at(name).state).text;
      };
      ASSERT_EQ(text("Text1"), f.Text1.text);
      ASSERT_EQ(text("syuppin"), f.syuppin.text);
      // The right's sign lights for the floor's right and for the trainee's own, not another's.
      const bool lit = page.shown.at("kenri2").element().visible;
      ASSERT_EQ(lit, f.kenri2.visible && (!f.traineeHoldsRight() || f.rightHolder == id));
      const std::string& record = std::get<TextBox>(page.shown.at("ousatu").state).text;
      const std::string_view newest = std::string_view(record).substr(record.rfind('\n') + 1);
      if (newest.starts_with("自分落札") || newest.starts_with("自見切落札")) {
        ++wins;
        ASSERT_EQ(id, f.rightHolder);
      }
      if (checked[id] == record) continue;
      checked[id] = record;
      std::size_t from = record.find("\r\n");
      while (from != std::string::npos) {
        const std::size_t to = record.find("\r\n", from + 2);
        const std::string_view line =
            std::string_view(record).substr(from + 2, to == std::string::npos ? to : to - from - 2);
        ASSERT_TRUE(line.empty() || knownLine(line)) << line;
        from = to;
      }
    }
    ASSERT_LE(wins, 1);
    const bool wonByTrainee = f.syuuryou == 1 && f.jibun.visible;
    if (wonByTrainee) {
      ASSERT_EQ(wins, p.pages().count(f.rightHolder) ? 1 : 0);
    }
  };
  while (practice.lotsPlayed() < kLots && !::testing::Test::HasFatalFailure()) practice.step(check);
  EXPECT_EQ(practice.lotsPlayed(), kLots);
  for (int id : practice.everybody()) {
    const Lots& lots = practice.hall().resultsOf(id)->lots();
    for (std::size_t i = 1; i < lots.size(); ++i) ASSERT_LT(lots[i - 1].lot, lots[i].lot) << id;
  }
  EXPECT_FALSE(practice.hall().confirmedByHall().empty());  // some winners did not confirm
}

}  // namespace
}  // namespace kobaru
