// SPDX-License-Identifier: MIT
#include "practice/handlers.h"

#include <algorithm>

namespace kobaru {

namespace {

const ButtonHandlers kButtons[] = {
    {"Command1", &Form1::Command1_Click, nullptr, nullptr},
    {"Command2", &Form1::Command2_Click, nullptr, nullptr},
    {"Command3", &Form1::Command3_Click, nullptr, nullptr},
    {"Command4", &Form1::Command4_Click, nullptr, nullptr},
    {"Command5", &Form1::Command5_Click, nullptr, nullptr},
    {"Command6", &Form1::Command6_Click, nullptr, nullptr},
    {"Command7", &Form1::Command7_Click, nullptr, nullptr},
    {"Command8", &Form1::Command8_Click, nullptr, nullptr},
    {"Command9", &Form1::Command9_Click, nullptr, nullptr},
    {"Command10", &Form1::Command10_Click, nullptr, nullptr},
    {"Command11", &Form1::Command11_Click, nullptr, nullptr},
    {"Command12", &Form1::Command12_Click, &Form1::Command12_MouseDown, &Form1::Command12_MouseUp},
    {"Command13", nullptr, &Form1::Command13_MouseDown, &Form1::Command13_MouseUp},
    {"Command14", &Form1::Command14_Click, nullptr, nullptr},
    {"Command15", &Form1::Command15_Click, nullptr, nullptr},
    {"Command18", &Form1::Command18_Click, nullptr, nullptr},
    {"Command19", &Form1::Command19_Click, nullptr, nullptr},
    {"Command20", &Form1::Command20_Click, nullptr, nullptr},
    {"Command21", &Form1::Command21_Click, nullptr, nullptr},
    {"Command22", &Form1::Command22_Click, nullptr, nullptr},
    {"Command23", &Form1::Command23_Click, nullptr, nullptr},
    {"Command24", &Form1::Command24_Click, nullptr, nullptr},
    {"Command25", &Form1::Command25_Click, nullptr, nullptr},
    {"Command26", &Form1::Command26_Click, nullptr, nullptr},
    {"seiseki", &Form1::seiseki_Click, nullptr, nullptr},
};

const EntryHandlers kEntries[] = {
    {"Text6", &Form1::Text6_KeyPress, nullptr},
    {"Text7", &Form1::Text7_KeyPress, &Form1::Text7_Click},
};

template <typename Handlers>
const Handlers* named(std::span<const Handlers> table, std::string_view name) {
  const auto it = std::find_if(table.begin(), table.end(),
                               [name](const Handlers& h) { return h.name == name; });
  return it == table.end() ? nullptr : &*it;
}

}  // namespace

std::span<const ButtonHandlers> buttonHandlers() {
  return kButtons;
}
std::span<const EntryHandlers> entryHandlers() {
  return kEntries;
}

const ButtonHandlers* buttonHandlers(std::string_view name) {
  return named(buttonHandlers(), name);
}
const EntryHandlers* entryHandlers(std::string_view name) {
  return named(entryHandlers(), name);
}

}  // namespace kobaru
