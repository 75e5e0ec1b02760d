// SPDX-License-Identifier: MIT
#include "practice/form1.h"

#include <cmath>

namespace kobaru {

namespace {

// What each timer runs when it ticks, by timer number.
using TickHandler = void (Form1::*)();
constexpr TickHandler kTickHandlers[22] = {
    nullptr,  // no Timer0
    &Form1::Timer1_Timer,
    &Form1::Timer2_Timer,
    &Form1::Timer3_Timer,
    &Form1::Timer4_Timer,
    &Form1::Timer5_Timer,
    &Form1::Timer6_Timer,
    &Form1::Timer7_Timer,
    &Form1::Timer8_Timer,
    &Form1::Timer9_Timer,
    &Form1::Timer10_Timer,
    &Form1::Timer11_Timer,
    &Form1::Timer12_Timer,
    &Form1::Timer13_Timer,
    &Form1::Timer14_Timer,
    &Form1::Timer15_Timer,
    &Form1::Timer16_Timer,
    &Form1::Timer17_Timer,
    &Form1::Timer18_Timer,
    &Form1::Timer19_Timer,
    &Form1::Timer20_Timer,
    &Form1::Timer21_Timer,
};

}  // namespace

// Every timer of the screen, numbered 1 to 21; the number breaks ties between ticks due together.
Timer& Form1::addTimer(int number) {
  return scheduler.add(number, [this, number] { tick(number); });
}

void Form1::tick(int number) {
  if (TickHandler handler = kTickHandlers[number]) (this->*handler)();
}

void Form1::allTimersOff() {
  for (Timer* t : {&Timer1,  &Timer2,  &Timer3,  &Timer4,  &Timer5,  &Timer6,  &Timer7,
                   &Timer8,  &Timer9,  &Timer10, &Timer11, &Timer12, &Timer13, &Timer14,
                   &Timer15, &Timer16, &Timer17, &Timer18, &Timer19, &Timer20, &Timer21})
    t->setEnabled(false);
}

double Form1::draw() {
  const double r = rnd_ ? rnd_() : 0.0;
  if (!(r >= 0)) return 0;  // negative or NaN
  return r < 1 ? r : std::nextafter(1.0, 0.0);
}

Form1::Form1(Host& host, Rnd rnd)
    : Timer1(addTimer(1)),
      Timer2(addTimer(2)),
      Timer3(addTimer(3)),
      Timer4(addTimer(4)),
      Timer5(addTimer(5)),
      Timer6(addTimer(6)),
      Timer7(addTimer(7)),
      Timer8(addTimer(8)),
      Timer9(addTimer(9)),
      Timer10(addTimer(10)),
      Timer11(addTimer(11)),
      Timer12(addTimer(12)),
      Timer13(addTimer(13)),
      Timer14(addTimer(14)),
      Timer15(addTimer(15)),
      Timer16(addTimer(16)),
      Timer17(addTimer(17)),
      Timer18(addTimer(18)),
      Timer19(addTimer(19)),
      Timer20(addTimer(20)),
      Timer21(addTimer(21)),
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
