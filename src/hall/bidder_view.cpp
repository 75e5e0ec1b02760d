// SPDX-License-Identifier: MIT
#include "hall/bidder_view.h"

#include <algorithm>

#include "practice/form1.h"
#include "practice/numbers.h"
#include "presentation/trainee_view.h"

namespace kobaru {

namespace {

constexpr std::string_view kYou = "YOU";
constexpr std::string_view kSelf = "自分";

// The elements whose look follows who holds the right or who won.
constexpr std::string_view kRightSigns[] = {"kenri", "kenri2", "Label10"};
constexpr std::string_view kAwardSigns[] = {"tenmei", "jibun", "tanin", "Command14", "Command10"};

template <std::size_t N>
bool among(const std::string_view (&names)[N], const std::string& name) {
  return std::find(std::begin(names), std::end(names), name) != std::end(names);
}

}  // namespace

std::optional<RecordKind> kindSeenBy(const RecordLine& line, int viewer) {
  if (partyOf(line.kind) != Party::Trainee || line.bidder == viewer) return line.kind;
  for (const OthersLine& o : kOthersLines)
    if (o.own == line.kind) return o.others;
  return line.kind;
}

std::string operatorLabel(RecordKind kind, const std::string& name) {
  std::string label(labelOf(kind));
  if (partyOf(kind) != Party::Trainee) return label;
  const std::string_view mark = label.find(kYou) != std::string::npos ? kYou : kSelf;
  if (const std::size_t at = label.find(mark); at != std::string::npos)
    label.replace(at, mark.size(), name);
  return label;
}

std::uint64_t recordVersion(const Form1& form) {
  return (form.recordsBegun << 32) ^ form.recordLines.size();
}

const std::string& RecordReading::of(const Form1& form) const {
  if (begun_ != form.recordsBegun || read_ > form.recordLines.size()) {
    begun_ = form.recordsBegun;
    read_ = 0;
    text_ = kRecordHeader;
  }
  for (; read_ < form.recordLines.size(); ++read_) {
    const RecordLine& line = form.recordLines[read_];
    if (const std::optional<std::string> label = label_(line))
      appendRecordText(text_, line.kind, *label, priceText(line.price));
  }
  return text_;
}

BidderLook::BidderLook(const Form1& form, int viewer)
    : form_(form), viewer_(viewer), record_([viewer](const RecordLine& line) {
        const std::optional<RecordKind> kind = kindSeenBy(line, viewer);
        return kind ? std::optional<std::string>(labelOf(*kind)) : std::nullopt;
      }) {}

std::uint64_t BidderLook::inputsOf(const Element& e) const {
  const Form1& f = form_;
  if (e.name == "ousatu") return recordVersion(f);
  return (f.traineeHoldsRight() ? 1u : 0u) | (f.rightHolder == viewer_ ? 2u : 0u) |
         (f.syuuryou == 1 ? 4u : 0u) | (f.jibun.visible ? 8u : 0u);
}

bool BidderLook::shows(const Element& e) const {
  return inTraineeArea(e);
}

bool BidderLook::alters(const Element& e) const {
  return e.name == "ousatu" || among(kRightSigns, e.name) || among(kAwardSigns, e.name);
}

void BidderLook::apply(DisplayedElement& d) const {
  const Form1& f = form_;
  const std::string& name = d.element().name;
  if (name == "ousatu") {
    std::get<TextBox>(d.state).text = record_.of(f);
    return;
  }
  // Another trainee holds the right, or won: this one sees what the floor's right or win shows.
  const bool othersRight = f.traineeHoldsRight() && f.rightHolder != viewer_;
  const bool othersWin = othersRight && f.syuuryou == 1 && f.jibun.visible;
  if (!othersRight) return;
  if (name == "kenri") std::get<Label>(d.state).caption.clear();
  if (name == "kenri2") std::get<Label>(d.state).visible = false;
  if (name == "Label10") std::get<Label>(d.state).foreColor = kBlack;
  if (!othersWin) return;
  if (name == "tenmei") std::get<TextBox>(d.state).text = "他の人";
  if (name == "jibun") std::get<Label>(d.state).visible = false;
  if (name == "tanin") std::get<Label>(d.state).visible = true;
  if (name == "Command14") std::get<Button>(d.state).backColor = kSilver;
  if (name == "Command10") std::get<Button>(d.state).backColor = kRed;
}

}  // namespace kobaru
