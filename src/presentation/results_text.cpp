// SPDX-License-Identifier: MIT
// The results as text: Japanese labels, numbers written as the board writes them, and the
// tab-separated form for a spreadsheet.
#include "presentation/results_text.h"

#include <cmath>
#include <cstdio>
#include <utility>

#include "practice/numbers.h"

namespace kobaru {

namespace {

constexpr char kNone[] = "—";

const char* const kHeadings[] = {
    "出品番号",
    "モード",
    "スタート（万円）",
    "目安（万円）",
    "応札回数",
    "初回応札（万円）",
    "初回応札（秒）",
    "うりきり時の権利",
    "結果",
    "再競",
    "最終価格（万円）",
    "目安との差（万円）",
    "目安との差（%）",
    "スタートからの反応（秒）",
    "停止からの反応（秒）",
    "権利を取り返すまで（秒）",
};

const char* outcomeText(Outcome o) {
  switch (o) {
    case Outcome::Running:
      return "競り中";
    case Outcome::WonByTrainee:
      return "自分落札";
    case Outcome::WonByOther:
      return "他人落札";
    case Outcome::CutOffToTrainee:
      return "自見切落札";
    case Outcome::CutOffToOther:
      return "他見切落札";
    case Outcome::NoSale:
      return "流札";
    case Outcome::ForcedStop:
      return "未了（強制停止）";
    case Outcome::NextLotPrepared:
      return "未了（次競り準備）";
    case Outcome::PracticeEnded:
      return "未了（練習終了）";
  }
  return "";
}

const char* rightText(RightAtSellOut r) {
  switch (r) {
    case RightAtSellOut::Trainee:
      return "練習者";
    case RightAtSellOut::Other:
      return "他の人";
    case RightAtSellOut::NoSellOut:
      break;
  }
  return "";
}

std::string format(const char* pattern, double value) {
  char text[32];
  std::snprintf(text, sizeof text, pattern, value);
  return text;
}

// Thousands of yen as the bid record writes them, in ten-thousands: 523 gives 52.3.
std::string price(double thousands) {
  return priceText(thousands / 10);
}

// A signed difference with one decimal; a difference that rounds to nothing has no sign.
std::string signedTenth(double value) {
  const double rounded = std::round(value * 10) / 10;
  return rounded == 0 ? "0.0" : format("%+.1f", rounded);
}

std::string seconds(double ms) {
  return format("%.2f", ms / 1000);
}

std::string secondsList(const std::vector<std::int32_t>& ms) {
  std::string text;
  for (std::int32_t m : ms) {
    if (!text.empty()) text += " / ";
    text += seconds(m);
  }
  return text;
}

template <typename T, typename F>
std::string orNone(const std::optional<T>& value, F&& write) {
  return value ? write(*value) : kNone;
}

void appendLine(std::string& out, const std::vector<std::string>& cells) {
  for (std::size_t i = 0; i < cells.size(); ++i) {
    if (i) out += '\t';
    out += cells[i];
  }
  out += '\n';
}

}  // namespace

std::vector<SummaryLine> summaryLines(const Summary& s) {
  const auto count = [](int n) { return std::to_string(n); };
  const auto reaction = [](const std::optional<double>& ms) {
    return orNone(ms, [](double v) { return seconds(v); });
  };
  const auto best = [](const std::optional<std::int64_t>& ms) {
    return orNone(ms, [](std::int64_t v) { return seconds(static_cast<double>(v)); });
  };
  const auto difference = [](const std::optional<double>& v) { return orNone(v, signedTenth); };
  return {
      {"競りを見た台数", count(s.seen), SummaryLine::Counts},
      {"応札した台数", count(s.bidOn), SummaryLine::Counts},
      {"落札した台数", count(s.won), SummaryLine::Counts},
      {"応札して落札できなかった台数", count(s.lostAfterBidding), SummaryLine::Counts},
      {"流札の台数", count(s.noSale), SummaryLine::Counts},
      {"目安との差の平均（万円）", difference(s.averageDifference), SummaryLine::Prices},
      {"目安との差の最良（万円）", difference(s.bestDifference), SummaryLine::Prices},
      {"目安との差の最悪（万円）", difference(s.worstDifference), SummaryLine::Prices},
      {"目安との差の平均（%）", difference(s.averagePercent), SummaryLine::Prices},
      {"目安との差の最良（%）", difference(s.bestPercent), SummaryLine::Prices},
      {"目安との差の最悪（%）", difference(s.worstPercent), SummaryLine::Prices},
      {"スタートからの反応の中央値（秒）", reaction(s.start.medianMs), SummaryLine::Reactions},
      {"スタートからの反応の最速（秒）", best(s.start.bestMs), SummaryLine::Reactions},
      {"停止からの反応の中央値（秒）", reaction(s.stop.medianMs), SummaryLine::Reactions},
      {"停止からの反応の最速（秒）", best(s.stop.bestMs), SummaryLine::Reactions},
      {"権利を取り返すまでの中央値（秒）", reaction(s.retake.medianMs), SummaryLine::Reactions},
      {"権利を取り返すまでの最速（秒）", best(s.retake.bestMs), SummaryLine::Reactions},
  };
}

std::vector<SummaryColumn> summaryColumns(const Summary& summary) {
  std::vector<SummaryColumn> columns;
  for (SummaryLine& line : summaryLines(summary)) {
    if (columns.empty() || columns.back().group != line.group) columns.push_back({line.group, {}});
    columns.back().lines.push_back(std::move(line));
  }
  return columns;
}

std::span<const char* const> lotHeadings() {
  return kHeadings;
}

std::vector<std::string> lotCells(const LotResult& r) {
  const auto optional = [](const auto& value, auto&& write) -> std::string {
    return value ? write(*value) : std::string();
  };
  return {
      std::to_string(r.lot),
      r.automatic ? "全自動" : "手動",
      price(r.startPrice),
      r.guide > 0 ? priceText(r.guide) : "",
      std::to_string(r.bids),
      optional(r.firstBidPrice, price),
      optional(r.firstBidAfterMs, [](std::int64_t ms) { return seconds(static_cast<double>(ms)); }),
      rightText(r.rightAtSellOut),
      outcomeText(r.outcome),
      std::to_string(r.reauctions),
      optional(r.finalPrice, price),
      optional(differenceToGuide(r), signedTenth),
      optional(differenceToGuidePercent(r), signedTenth),
      optional(r.startReactionMs, [](std::int64_t ms) { return seconds(static_cast<double>(ms)); }),
      secondsList(r.stopReactionsMs),
      secondsList(r.retakeReactionsMs),
  };
}

std::string lotsTsv(std::span<const LotResult* const> lots) {
  std::string out;
  appendLine(out, {lotHeadings().begin(), lotHeadings().end()});
  for (const LotResult* lot : lots) appendLine(out, lotCells(*lot));
  return out;
}

std::string resultsTsv(const Lots& lots) {
  std::string out;
  for (const SummaryLine& line : summaryLines(summarize(lots)))
    appendLine(out, {line.label, line.value});
  out += '\n';
  std::vector<const LotResult*> newestFirst;
  for (auto it = lots.rbegin(); it != lots.rend(); ++it) newestFirst.push_back(&*it);
  return out + lotsTsv(newestFirst);
}

}  // namespace kobaru
