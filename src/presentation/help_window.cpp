// SPDX-License-Identifier: MIT
#include "presentation/help_window.h"

namespace kobaru {

const HelpWindowLayout kHelpWindow{"使用方法 Kobaru - Tessaly", 850, 640};

}  // namespace kobaru
