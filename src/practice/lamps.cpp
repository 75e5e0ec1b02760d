// SPDX-License-Identifier: MIT
// The signal lamps: green, yellow and red on the main board, lit by their background, and their
// twins on the lower board, lit by being shown.
#include "practice/form1.h"
#include "practice/numbers.h"

namespace kobaru {

namespace {

struct LampState {
  Color midori, kiiro, aka;
  bool midori2, kiiro2, aka2;
};

// Indexed by Lamp.
constexpr LampState kLampStates[] = {
    {kGreen, kBlack, kBlack, true, false, false},   // green
    {kBlack, kYellow, kBlack, false, true, false},  // yellow
    {kBlack, kBlack, kRed, false, false, true},     // red
    {kBlack, kBlack, kBlack, false, false, false},  // dark
};

}  // namespace

void Form1::showLamp(Lamp lamp) {
  const LampState& s = kLampStates[static_cast<int>(lamp)];
  midori.backColor = s.midori;
  kiiro.backColor = s.kiiro;
  aka.backColor = s.aka;
  midori2.visible = s.midori2;
  kiiro2.visible = s.kiiro2;
  aka2.visible = s.aka2;
}

// Each of the three colours with probability one third.
void Form1::randomLamp() {
  static constexpr Lamp kColours[] = {Lamp::Green, Lamp::Yellow, Lamp::Red};
  showLamp(kColours[static_cast<int>(Int(draw() * 3))]);
}

}  // namespace kobaru
