// SPDX-License-Identifier: MIT
// The sell-out button shows whether the sell-out can be declared; the decision and no-sale
// buttons beside it show which of the two is the next sensible action.
#include "bidding/sell_out_states.h"

#include "practice/form1.h"

namespace kobaru {

void Form1::showSellOut(SellOut state) {
  showSellOutButton(state);
  const SellOutState& s = sellOutState(state);
  if (!s.actionsChange) return;
  Command9.backColor = s.decision;
  Command22.backColor = s.noSale;
}

void Form1::showSellOutButton(SellOut state) {
  const SellOutState& s = sellOutState(state);
  Command8.caption = s.caption;
  Command8.backColor = s.face;
}

}  // namespace kobaru
