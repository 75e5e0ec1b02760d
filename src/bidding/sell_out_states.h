// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>

#include "practice/elements.h"

namespace kobaru {

// The sell-out button's states.
enum class SellOut { Impossible, Possible, Declared };

// What the sell-out button shows in a state, and the decision and no-sale buttons beside it,
// which show which of the two is the next sensible action.
struct SellOutState {
  const char* caption;
  Color face;          // the sell-out button's
  bool actionsChange;  // whether the decision and no-sale buttons take the colours below
  Color decision, noSale;
};

// Indexed by SellOut.
inline constexpr SellOutState kSellOutStates[] = {
    {"うりきり不可", kWhite, true, kSilver, kLightRed},  // no sale is the action in view
    {"うりきり可能", kLightRed, false, kBlack, kBlack},  // a bid stands at the shown price
    {"うりきり中", kSalmon, true, kLightRed, kSilver},   // declared: the decision is in view
};

constexpr const SellOutState& sellOutState(SellOut state) {
  return kSellOutStates[static_cast<std::size_t>(state)];
}
constexpr const char* captionOf(SellOut state) {
  return sellOutState(state).caption;
}

}  // namespace kobaru
