// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "practice/record_labels.h"
#include "presentation/viewer.h"

namespace kobaru {

class Form1;

// How a trainee's record line reads to every other trainee of a hall: as the other buyers' line
// the single-user record has for it, or not at all (a right confirmed changes nothing for them).
struct OthersLine {
  RecordKind own;
  std::optional<RecordKind> others;
};

inline constexpr OthersLine kOthersLines[] = {
    {RecordKind::TraineeBid, RecordKind::FloorBid},
    {RecordKind::TraineeOnePosition, RecordKind::FloorOnePosition},
    {RecordKind::TraineeHeldBid, RecordKind::FloorBid},
    {RecordKind::TraineeRight, std::nullopt},
    {RecordKind::AwardToTrainee, RecordKind::AwardToFloor},
    {RecordKind::CutOffAwardToTrainee, RecordKind::CutOffAwardToFloor},
};

// The kind a line reads as to `viewer`; nothing for a line they do not see.
std::optional<RecordKind> kindSeenBy(const RecordLine& line, int viewer);

// A line's label as the operator reads it: a trainee's with their name in place of "YOU" (and
// of 自分 in an award), the floor's as it is.
std::string operatorLabel(RecordKind kind, const std::string& name);
// Changes whenever the record's lines do: they are only ever added or all cleared.
std::uint64_t recordVersion(const Form1& form);

// One reader's record kept up to date as lines are added, so that it is written out once.
class RecordReading {
 public:
  // A line's label as this reader reads it; nothing for a line they do not see.
  using Label = std::function<std::optional<std::string>(const RecordLine& line)>;
  explicit RecordReading(Label label) : label_(std::move(label)) {}
  const std::string& of(const Form1& form) const;

 private:
  Label label_;
  mutable std::string text_;
  mutable std::uint64_t begun_ = ~std::uint64_t{0};
  mutable std::size_t read_ = 0;
};

// The practice screen as the trainee `viewer` of a hall sees it: the board, the sell-out, the
// countdown are everybody's; the right signs light only for the right's holder, a lot won by
// another trainee reads as won by another buyer, and the record is theirs.
class BidderLook : public ElementLook {
 public:
  BidderLook(const Form1& form, int viewer);
  // What lies in the trainee's view: the operator's panel is not theirs.
  bool shows(const Element& e) const override;
  bool alters(const Element& e) const override;
  void apply(DisplayedElement& d) const override;
  std::uint64_t inputsOf(const Element& e) const override;

 private:
  const Form1& form_;
  int viewer_;
  RecordReading record_;
};

}  // namespace kobaru
