// SPDX-License-Identifier: MIT
// Replays a session of the practice screen in virtual time and prints the bid record it leaves:
// what the core gives for the events a browser delivered, to compare with what the page showed.
//
//   kobaru_replay SEED < EVENTS
//
// Each line of EVENTS is tab-separated: the virtual time in milliseconds, the kind of event
// (load, press, release, click, key, entryClick, typed, or at: only the time moves on), the
// element's name and, for key and typed, the character code or the text. The record printed is
// the one at the last line's time. A line that cannot be read ends the replay with an error.
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>

#include "practice/form1.h"
#include "practice/handlers.h"
#include "practice/random.h"
#include "support/recording_host.h"

namespace {

using namespace kobaru;

bool run(Form1& f, const std::string& kind, const std::string& name, const std::string& detail) {
  using Handler = void (Form1::*)();
  const auto call = [&f](Handler h) {
    if (h) (f.*h)();
    return true;
  };
  if (kind == "load") return call(&Form1::Form_Load);
  if (kind == "at") return true;
  if (kind == "press" || kind == "release" || kind == "click") {
    const ButtonHandlers* h = buttonHandlers(name);
    if (!h) return false;
    return call(kind == "press" ? h->mouseDown : kind == "release" ? h->mouseUp : h->click);
  }
  if (kind == "key" || kind == "entryClick") {
    const EntryHandlers* h = entryHandlers(name);
    if (!h) return false;
    if (kind == "entryClick") return call(h->click);
    if (h->keyPress)
      (f.*(h->keyPress))(static_cast<char32_t>(std::strtoul(detail.c_str(), nullptr, 10)));
    return true;
  }
  if (kind == "typed") {
    Element* e = f.element(name);
    if (!e || e->kind != Kind::TextBox) return false;
    static_cast<TextBox*>(e)->text = detail;
    return true;
  }
  return false;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::cerr << "usage: kobaru_replay SEED < EVENTS\n";
    return 2;
  }
  RecordingHost host;
  Form1 f(host, seededRnd(std::strtoull(argv[1], nullptr, 10)));
  std::string line;
  for (int number = 1; std::getline(std::cin, line); ++number) {
    if (line.empty()) continue;
    std::istringstream fields(line);
    std::string time, kind, name, detail;
    std::getline(fields, time, '\t');
    std::getline(fields, kind, '\t');
    std::getline(fields, name, '\t');
    std::getline(fields, detail);
    char* end = nullptr;
    const long long t = std::strtoll(time.c_str(), &end, 10);
    if (end == time.c_str() || t < f.scheduler.now()) {
      std::cerr << "line " << number << ": no time, or a time before the last one\n";
      return 1;
    }
    f.scheduler.advance(t - f.scheduler.now());
    if (!run(f, kind, name, detail)) {
      std::cerr << "line " << number << ": cannot replay \"" << line << "\"\n";
      return 1;
    }
  }
  std::cout << f.ousatu.text;
  return 0;
}
