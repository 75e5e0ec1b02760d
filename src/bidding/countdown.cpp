// The decision countdown: three seconds from the sell-out to the award, restarted by every raise.
#include "practice/form1.h"

namespace kobaru {

// The next countdown tick comes one full interval from now; the interval itself stays.
void Form1::restartCountdown() {
  ketteikaisuu = 0;
  Timer6.setEnabled(false);
  Timer6.setEnabled(true);
}

}  // namespace kobaru
