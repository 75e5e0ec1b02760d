// SPDX-License-Identifier: MIT
#include "presentation/results_window.h"

namespace kobaru {

const ResultsWindowLayout kResultsWindow{
    "練習成績", 1100, 640, {Face::PGothic, 9.75, false}, 250, "出品ごとの成績", 130,
};

}  // namespace kobaru
