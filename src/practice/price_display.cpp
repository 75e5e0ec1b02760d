// SPDX-License-Identifier: MIT
// The price on the main board (百 十 万 ． 千), on the lower board and in the panel's box.
#include <cmath>

#include "practice/form1.h"
#include "practice/numbers.h"

namespace kobaru {

namespace {

// Truncation toward zero.
double Fix(double x) {
  return std::trunc(x);
}

// A digit of the lower board: shown with its text, or emptied and hidden.
void showDigit(TextBox& box, const std::string& text) {
  box.text = text;
  box.visible = !text.empty();
}

}  // namespace

void Form1::hyouji() {
  Text9.text = priceText(kakaku / 10);

  hyakuman = Fix(kakaku / 1000);
  Text1.text = hyakuman == 0 ? "" : numberText(hyakuman);

  // A zero is shown once a digit stands to its left, so 1005 reads 1 0 0 5 and 5 reads 5 alone.
  jyuuman = (100 * Fix(kakaku / 100) - 1000 * Fix(kakaku / 1000)) / 100;
  const std::string jyuumanText =
      jyuuman != 0 ? numberText(jyuuman) : (Text1.text.empty() ? "" : "0");
  Text2.text = jyuumanText;

  man = (Fix(10 * Fix(kakaku / 10)) - 100 * Fix(kakaku / 100)) / 10;
  const std::string manText = man != 0 ? numberText(man) : (Text2.text.empty() ? "" : "0");
  Text3.text = manText;

  sen = kakaku - 10 * Fix(kakaku / 10);
  Text4.text = numberText(sen);

  showDigit(hyakuman2, Text1.text);
  showDigit(jyuuman2, jyuumanText);
  showDigit(man2, manText);
  showDigit(sen2, Text4.text);
}

void Form1::kesu() {
  for (TextBox* box : {&Text1, &Text2, &Text3, &Text4, &Text9}) box->text.clear();
  kenri.caption.clear();
  for (TextBox* box : {&hyakuman2, &jyuuman2, &man2, &sen2}) showDigit(*box, "");
}

}  // namespace kobaru
