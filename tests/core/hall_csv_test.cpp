// SPDX-License-Identifier: MIT
#include "hall/hall_csv.h"

#include <gtest/gtest.h>

#include "practice/form1.h"
#include "presentation/results_text.h"
#include "presentation/trainee_view.h"
#include "support/recording_host.h"

namespace kobaru {
namespace {

std::vector<std::string> linesOf(const std::string& csv) {
  std::vector<std::string> lines;
  for (std::size_t at = 0; at < csv.size();) {
    const std::size_t end = csv.find("\r\n", at);
    lines.push_back(csv.substr(at, end - at));
    at = end + 2;
  }
  return lines;
}

TEST(HallCsv, ALineALotUnderTheHeadingsWithCellsThatNeedItQuoted) {
  LotResult first, second;
  first.lot = 1001;
  second.lot = 1002;
  const std::vector<TraineeLot> lots = {{1, "青木", &first},
                                        {2, "Smith, J", &second},
                                        {3, "say \"hi\"", &first},
                                        {4, "a\nb", &first}};
  std::vector<NamedCells> named;
  for (const TraineeLot& l : lots) named.push_back(namedCells(l));
  const auto lines = linesOf(hallCsv(named));
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[0].rfind("名前,", 0), 0u);
  EXPECT_EQ(lines[0].substr(std::string("名前,").size()).rfind(lotHeadings()[0], 0), 0u);
  EXPECT_EQ(
      lines[1], "青木," + [&] {
        std::string rest;
        for (const std::string& c : lotCells(first)) rest += (rest.empty() ? "" : ",") + c;
        return rest;
      }());
  EXPECT_EQ(lines[2].rfind("\"Smith, J\",1002", 0), 0u) << lines[2];
  EXPECT_EQ(lines[3].rfind("\"say \"\"hi\"\"\",", 0), 0u) << lines[3];
  EXPECT_EQ(lines[4].rfind("\"a\nb\",", 0), 0u) << lines[4];
}

TEST(HallCsv, ANameASpreadsheetWouldRunReadsAsText) {
  LotResult lot;
  lot.lot = 1001;
  struct Case {
    const char* name;
    const char* cell;
  };
  const Case cases[] = {
      {"=1+1", "\"'=1+1\""},
      {"+SUM(A1)", "\"'+SUM(A1)\""},
      {"-2+3", "\"'-2+3\""},
      {"@cmd", "\"'@cmd\""},
      {"=\"a\"", "\"'=\"\"a\"\"\""},
      {"-3.5", "-3.5"},
      {"+7", "+7"},
      {"a=b", "a=b"},
  };
  for (const Case& c : cases) {
    const std::string line = linesOf(hallCsv({namedCells({1, c.name, &lot})}))[1];
    EXPECT_EQ(line.substr(0, line.find(",1001")), c.cell) << c.name;
  }
}

TEST(TraineeView, EachPartHoldsItsOwnAndNothingOfTheOperatorsPanel) {
  RecordingHost host;
  Form1 form(host, [] { return 0.5; });
  const auto parts = traineePartElements(form);
  const auto designed = traineeParts();
  ASSERT_EQ(parts.size(), designed.size());
  std::map<std::string, std::string> partOf;
  for (std::size_t i = 0; i < parts.size(); ++i)
    for (const std::string& name : parts[i]) partOf[name] = designed[i].name;
  const std::pair<const char*, const char*> expected[] = {
      {"syuppin", "upperBoard"}, {"Text1", "upperBoard"},  {"Line1", "upperBoard"},
      {"Label10", "upperBoard"}, {"Command12", "buttons"}, {"Command14", "buttons"},
      {"nokori", "guide"},       {"meyasugaku", "guide"},  {"Image1", "lowerBoard"},
      {"kenri2", "lowerBoard"},  {"sen2", "lowerBoard"},   {"ousatu", "record"},
  };
  for (const auto& [name, part] : expected) EXPECT_EQ(partOf[name], part) << name;
  // The operator's panel is nobody's part.
  for (const char* name : {"Command1", "Command26", "Text6", "kenri", "seiseki", "Image3"})
    EXPECT_EQ(partOf.count(name), 0u) << name;
  // Every element the trainee needs lies in the area a wide screen shows.
  for (const Element* e : form.elements()) {
    if (!partOf.count(e->name)) continue;
    EXPECT_GE(e->left, kTraineeArea.left) << e->name;
    EXPECT_LE(e->left + e->width, kTraineeArea.left + kTraineeArea.width) << e->name;
  }
}

}  // namespace
}  // namespace kobaru
