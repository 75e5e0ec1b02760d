// SPDX-License-Identifier: MIT
// The sell-out button shows whether the sell-out can be declared; the decision and no-sale
// buttons beside it show which of the two is the next sensible action.
#include "practice/form1.h"

namespace kobaru {

namespace {

struct SellOutState {
  const char* caption;
  Color command8;
  bool actionsChange;  // whether the decision and no-sale buttons take the colours below
  Color command9, command22;
};

// Indexed by SellOut.
constexpr SellOutState kSellOutStates[] = {
    {"うりきり不可", kWhite, true, kSilver, kLightRed},  // no sale is the action in view
    {"うりきり可能", kLightRed, false, kBlack, kBlack},  // a bid stands at the shown price
    {"うりきり中", kSalmon, true, kLightRed, kSilver},   // declared: the decision is in view
};

}  // namespace

void Form1::showSellOut(SellOut state) {
  const SellOutState& s = kSellOutStates[static_cast<int>(state)];
  Command8.caption = s.caption;
  Command8.backColor = s.command8;
  if (!s.actionsChange) return;
  Command9.backColor = s.command9;
  Command22.backColor = s.command22;
}

}  // namespace kobaru
