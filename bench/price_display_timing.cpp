// SPDX-License-Identifier: MIT
// The price display's cost on either target: built natively and with Emscripten (run under node),
// it times a million calls of hyouji over every price the board shows, in processor time.
#include <cstdio>
#include <ctime>

#include "support/screen.h"

int main() {
  constexpr int kCalls = 1'000'000;
  kobaru::ManualScreen s;
  double price = 200;
  std::size_t shown = 0;  // read, so the calls cannot be left out
  const std::clock_t start = std::clock();
  for (int i = 0; i < kCalls; ++i) {
    s.f.kakaku = price;
    s.f.hyouji();
    shown += s.f.Text9.text.size();
    price = price < 9996 ? price + 3 : 200;
  }
  const double seconds = static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
  std::printf("hyouji: %.0f ns a call over %d calls (%zu characters shown)\n",
              seconds * 1e9 / kCalls, kCalls, shown);
}
