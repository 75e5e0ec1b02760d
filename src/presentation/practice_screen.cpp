// SPDX-License-Identifier: MIT
#include "presentation/practice_screen.h"

namespace kobaru {

const PracticeScreenLayout kPracticeScreen = {"Kobaru v1.01 - Tessaly", 11895, 8700};

}  // namespace kobaru
