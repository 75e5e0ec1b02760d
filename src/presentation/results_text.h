// SPDX-License-Identifier: MIT
#pragma once

#include <span>
#include <string>
#include <vector>

#include "results/lot_result.h"
#include "results/summary.h"

namespace kobaru {

// The texts of the results window, shared by every shell: the note where a user looks for a save
// button, the summary's lines, the table's headings and cells, and the tab-separated text that
// pastes into a spreadsheet.
inline constexpr char kNothingSaved[] =
    "この成績はファイルに保存されません。プログラムを終了するか、メニューから新しい練習を"
    "始めると消えます。残すときは「すべてコピー」（または Ctrl+A、Ctrl+C）で表計算ソフトに"
    "貼り付けてください。";
// The same note for a trainee of a practice hall, whose results the hall keeps for its trainer.
inline constexpr char kHallNothingSaved[] =
    "この成績は練習会場が終わるまで残り、講師が全員の成績を CSV で保存できます。自分で残すときは"
    "「すべてコピー」（または Ctrl+A、Ctrl+C）で表計算ソフトに貼り付けてください。";
inline constexpr char kCopyAll[] = "すべてコピー";
inline constexpr char kChartTitle[] = "落札した車の目安との差（万円）";
inline constexpr char kNoWonLots[] = "目安のある車をまだ落札していません";

struct SummaryLine {
  enum Group { Counts, Prices, Reactions };
  std::string label;
  std::string value;  // a plain number, or "—" while there is none
  Group group;
};

std::vector<SummaryLine> summaryLines(const Summary& summary);

// The summary as the window sets it out: side by side, one column a group (the counts, the prices
// against the guide, the reactions), each column's lines top to bottom in the order above.
struct SummaryColumn {
  SummaryLine::Group group;
  std::vector<SummaryLine> lines;
};
std::vector<SummaryColumn> summaryColumns(const Summary& summary);

// The columns of the table of lots; units stand in the headings so the cells are plain numbers.
std::span<const char* const> lotHeadings();
std::vector<std::string> lotCells(const LotResult& lot);

// The lots given, under the headings, one per line, cells separated by tabs.
std::string lotsTsv(std::span<const LotResult* const> lots);
// The whole window: the summary, an empty line, then every lot, newest first.
std::string resultsTsv(const Lots& lots);

}  // namespace kobaru
