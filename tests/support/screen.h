#pragma once

#include <initializer_list>

#include "practice/form1.h"
#include "support/recording_host.h"

namespace kobaru {

// A practice screen opened and forced to a stop: idle in manual mode, as the trainee finds it
// before typing the first lot's conditions.
struct ManualScreen {
  explicit ManualScreen(std::initializer_list<double> draws = {0.5}) : f(host, scripted(draws)) {
    f.Form_Load();
    f.Command23_Click();
  }
  RecordingHost host;
  Form1 f;
};

}  // namespace kobaru
