// SPDX-License-Identifier: MIT
#pragma once

#include <deque>
#include <initializer_list>
#include <string>

#include "practice/form1.h"
#include "practice/numbers.h"
#include "support/recording_host.h"

namespace kobaru {

// A practice screen opened and forced to a stop: idle in manual mode, as the trainee finds it
// before typing the first lot's conditions. After the opening (whose full-automatic lot draws
// 0.5s) its draws come from `draws` in order; once they run out, the last one given repeats. A
// test may refill `draws` at any point.
struct ManualScreen {
  explicit ManualScreen(std::initializer_list<double> given = {0.5})
      : f(host, [this] {
          if (draws.empty()) return last;
          last = draws.front();
          draws.pop_front();
          return last;
        }) {
    f.Form_Load();
    f.Command23_Click();
    draws = given;
  }

  // Prepares a lot at the start price and starts it.
  void startLot(const char* startPrice = "200") {
    f.Text6.text = startPrice;
    f.Command11_Click();
    f.Command1_Click();
  }

  std::deque<double> draws;
  double last = 0.5;
  RecordingHost host;
  Form1 f;
};

// The newest line of the bid record.
inline std::string lastLine(const Form1& f) {
  return f.ousatu.text.substr(f.ousatu.text.rfind('\n') + 1);
}

}  // namespace kobaru

namespace kobaru {

// A full-automatic lot under way: started at `start` with the reserve `reserve` (no variation),
// the stop margin and the operator's pattern given (5: the operator never raises). The clock runs.
// An observer given watches the lot from its preparation on.
struct AutomaticLot : ManualScreen {
  AutomaticLot(const char* start, const char* reserve, int margin = 33, int pattern = 5,
               LotObserver* observer = nullptr) {
    f.observer = observer;
    f.modo = 2;
    f.Text6.text = start;
    f.Text8.text = reserve;
    draws = {0.5, 0.0, 0.9};  // model year, reserve offset 0
    f.Command11_Click();
    f.teisihaba = margin;
    f.copatan = pattern;
    f.sutatofuka = 0;
    f.Command1_Click();
  }

  // Runs the clock on by whole ticks of the standard speed.
  void ticks(int n) { f.scheduler.advance(50 * n); }
};

}  // namespace kobaru
