#include "practice/form1.h"

namespace kobaru {

namespace {

// Every timer of the screen, numbered 1 to 21; the number breaks ties between ticks due together.
Timer& addTimer(Scheduler& s, int number) { return s.add(number, {}); }

}  // namespace

Form1::Form1(Host& host, Rnd rnd)
    : Timer1(addTimer(scheduler, 1)),
      Timer2(addTimer(scheduler, 2)),
      Timer3(addTimer(scheduler, 3)),
      Timer4(addTimer(scheduler, 4)),
      Timer5(addTimer(scheduler, 5)),
      Timer6(addTimer(scheduler, 6)),
      Timer7(addTimer(scheduler, 7)),
      Timer8(addTimer(scheduler, 8)),
      Timer9(addTimer(scheduler, 9)),
      Timer10(addTimer(scheduler, 10)),
      Timer11(addTimer(scheduler, 11)),
      Timer12(addTimer(scheduler, 12)),
      Timer13(addTimer(scheduler, 13)),
      Timer14(addTimer(scheduler, 14)),
      Timer15(addTimer(scheduler, 15)),
      Timer16(addTimer(scheduler, 16)),
      Timer17(addTimer(scheduler, 17)),
      Timer18(addTimer(scheduler, 18)),
      Timer19(addTimer(scheduler, 19)),
      Timer20(addTimer(scheduler, 20)),
      Timer21(addTimer(scheduler, 21)),
      host_(host),
      rnd_(std::move(rnd)) {
  layOut();
  // Designed intervals; the rest are given by the handlers that switch their timers on.
  Timer7.setInterval(80);
  Timer8.setInterval(500);
  Timer10.setInterval(1000);
  Timer12.setInterval(80);
  for (Timer* t : {&Timer13, &Timer14, &Timer15, &Timer16, &Timer18, &Timer20, &Timer21})
    t->setInterval(1000);
  // On as designed, but still until the full-automatic cycle gives it an interval.
  Timer19.setEnabled(true);
}

Element* Form1::element(std::string_view name) const {
  for (Element* e : elements_)
    if (e->name == name) return e;
  return nullptr;
}

}  // namespace kobaru
