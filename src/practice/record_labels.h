// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The bid record's lines as structure: each line's kind says whom it is about and what happened,
// and one table gives the label the record shows for it. The code that writes a line names its
// kind; only the record's text is made of labels.
namespace kobaru {

inline constexpr char kRecordHeader[] = "応札記録";

// Whom a line is about: who acted or, for an award, who won.
enum class Party : std::uint8_t {
  Trainee,    // the trainee at the bid button
  Floor,      // the other buyers in the hall
  Operator,   // the auctioneer at the operator's panel
  Automatic,  // the clock's own automation and its watch over a re-auction
  Lot,        // the lot's own course: its start, sell-out, no sale and final bid
};

enum class Act : std::uint8_t {
  Start,
  Bid,          // a bid at the running price
  OnePosition,  // a raise of one position with the clock stopped
  HeldBid,      // the bid button held: the clock climbed until its release
  Right,        // the right taken at the price that stands
  Continuous,   // the operator's continuous raise, for the floor
  Stop,
  Slow,
  Restart,  // a re-auction
  ReauctionStop,
  CutOff,
  SellOut,
  Award,
  CutOffAward,
  NoSale,
  NoCall,    // the final-bid line after a no sale: nobody bid after the start
  FinalBid,  // ... or the last bid
};

enum class RecordKind : std::uint8_t {
  Start,
  TraineeBid,
  TraineeOnePosition,
  TraineeHeldBid,
  TraineeRight,
  FloorBid,
  FloorOnePosition,
  OperatorStop,
  OperatorSlow,
  OperatorOnePosition,
  OperatorContinuous,
  OperatorRestart,
  OperatorCutOff,
  AutomaticStop,
  AutomaticRestart,
  AutomaticCutOff,
  ReauctionStopped,
  SellOut,
  AwardToTrainee,
  AwardToFloor,
  CutOffAwardToTrainee,
  CutOffAwardToFloor,
  NoSale,
  NoCall,
  FinalBid,
};

// One line below the record's header, at its price in ten-thousands of yen as the line shows it,
// and for a trainee's line, which trainee (the bidder; 0 in the single-user program).
struct RecordLine {
  RecordKind kind;
  double price;
  int bidder = 0;
  friend bool operator==(const RecordLine&, const RecordLine&) = default;
};

struct RecordKindRow {
  RecordKind kind;
  Party party;
  Act act;
  // Exactly as the record shows it: two ASCII blanks end it, and the price text follows.
  std::string_view label;
};

// Indexed by RecordKind.
inline constexpr RecordKindRow kRecordKinds[] = {
    {RecordKind::Start, Party::Lot, Act::Start, "スタート  "},
    {RecordKind::TraineeBid, Party::Trainee, Act::Bid, "YOU  "},
    {RecordKind::TraineeOnePosition, Party::Trainee, Act::OnePosition, "1POS YOU  "},
    {RecordKind::TraineeHeldBid, Party::Trainee, Act::HeldBid, "ベタ YOU  "},
    {RecordKind::TraineeRight, Party::Trainee, Act::Right, "権利 YOU  "},
    {RecordKind::FloorBid, Party::Floor, Act::Bid, "他  "},
    {RecordKind::FloorOnePosition, Party::Floor, Act::OnePosition, "1POS 他  "},
    {RecordKind::OperatorStop, Party::Operator, Act::Stop, "停止 CO  "},
    {RecordKind::OperatorSlow, Party::Operator, Act::Slow, "スロ CO  "},
    {RecordKind::OperatorOnePosition, Party::Operator, Act::OnePosition, "1POS CO  "},
    {RecordKind::OperatorContinuous, Party::Operator, Act::Continuous, "連続 CO  "},
    {RecordKind::OperatorRestart, Party::Operator, Act::Restart, "再競 CO  "},
    {RecordKind::OperatorCutOff, Party::Operator, Act::CutOff, "見切 CO  "},
    {RecordKind::AutomaticStop, Party::Automatic, Act::Stop, "自動停止  "},
    {RecordKind::AutomaticRestart, Party::Automatic, Act::Restart, "自動再競  "},
    {RecordKind::AutomaticCutOff, Party::Automatic, Act::CutOff, "自動見切  "},
    {RecordKind::ReauctionStopped, Party::Automatic, Act::ReauctionStop, "再競停止  "},
    {RecordKind::SellOut, Party::Lot, Act::SellOut, "うりきり  "},
    {RecordKind::AwardToTrainee, Party::Trainee, Act::Award, "自分落札  "},
    {RecordKind::AwardToFloor, Party::Floor, Act::Award, "他人落札  "},
    {RecordKind::CutOffAwardToTrainee, Party::Trainee, Act::CutOffAward, "自見切落札  "},
    {RecordKind::CutOffAwardToFloor, Party::Floor, Act::CutOffAward, "他見切落札  "},
    {RecordKind::NoSale, Party::Lot, Act::NoSale, "流札  "},
    {RecordKind::NoCall, Party::Lot, Act::NoCall, "ﾉｰｺｰﾙ  "},  // half-width katakana
    {RecordKind::FinalBid, Party::Lot, Act::FinalBid, "最終応札  "},
};

constexpr const RecordKindRow& rowOf(RecordKind kind) {
  return kRecordKinds[static_cast<std::size_t>(kind)];
}
constexpr std::string_view labelOf(RecordKind kind) {
  return rowOf(kind).label;
}
constexpr Party partyOf(RecordKind kind) {
  return rowOf(kind).party;
}
constexpr Act actOf(RecordKind kind) {
  return rowOf(kind).act;
}

// Writes one line of the record into its text: a line of its own, and a blank line before the
// final bid's.
inline void appendRecordText(std::string& text, RecordKind kind, std::string_view label,
                             std::string_view price) {
  const bool final = kind == RecordKind::NoCall || kind == RecordKind::FinalBid;
  text.append(final ? "\r\n\r\n" : "\r\n").append(label).append(price);
}

// Every kind has its row in its place, and no two kinds are the same party's same act: a kind is
// whom a line is about and what happened, whoever reads it.
static_assert([] {
  std::size_t i = 0;
  for (const RecordKindRow& row : kRecordKinds) {
    if (static_cast<std::size_t>(row.kind) != i++) return false;
    for (const RecordKindRow& other : kRecordKinds)
      if (&other != &row && other.party == row.party && other.act == row.act) return false;
  }
  return i == static_cast<std::size_t>(RecordKind::FinalBid) + 1;
}());

}  // namespace kobaru
