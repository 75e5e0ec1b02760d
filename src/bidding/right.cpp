// SPDX-License-Identifier: MIT
// The right signs: who holds the last bid, the trainee or another buyer.
#include "practice/form1.h"

namespace kobaru {

void Form1::kenrihyouji() {
  Label10.foreColor = kenriiro;
  kenri2.visible = kenriiro == kRed;  // with bid assist off the lower board keeps quiet
  kenri.caption = "練習者権利発生";
}

void Form1::kenrikesu() {
  Label10.foreColor = kBlack;
  kenri.caption.clear();
  kenri2.visible = false;
}

}  // namespace kobaru
