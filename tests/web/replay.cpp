// SPDX-License-Identifier: MIT
// Replays a session of the practice screen in virtual time and prints the bid record it leaves:
// what the core gives for the inputs a browser sent, to compare with what the page showed.
//
//   kobaru_replay SEED < INPUTS
//
// Each line of INPUTS is tab-separated: the virtual time in milliseconds at which the input ran,
// then the input's kind (as the page names it, or "at": only the time moves on), name, pointer,
// primary, over, repeat (each 0 or 1), key (a character code) and text, in which a backslash,
// a tab and a line break are written \\, \t and \n. Every tick due before an input runs at its
// own time first. The record printed is the one at the last line's time. A line that cannot be
// read ends the replay with an error.
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "practice/random.h"
#include "session/practice_session.h"
#include "support/recording_host.h"

namespace {

using namespace kobaru;

std::string unescaped(const std::string& s) {
  std::string out;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] != '\\' || i + 1 == s.size()) {
      out += s[i];
      continue;
    }
    const char c = s[++i];
    out += c == 't' ? '\t' : c == 'n' ? '\n' : c;
  }
  return out;
}

std::vector<std::string> fieldsOf(const std::string& line) {
  std::vector<std::string> fields;
  std::istringstream in(line);
  for (std::string field; std::getline(in, field, '\t');) fields.push_back(field);
  if (!line.empty() && line.back() == '\t') fields.emplace_back();
  return fields;
}

// The ticks due up to `t`, each at its own time, as the page's clock ran them.
void tickUntil(PracticeSession& s, std::int64_t t) {
  Input tick;
  tick.kind = InputKind::Tick;
  while (!s.holding()) {
    const std::optional<std::int64_t> due = s.form().scheduler.nextDue();
    if (!due || *due > t) return;
    s.input(tick, *due);
  }
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::cerr << "usage: kobaru_replay SEED < INPUTS\n";
    return 2;
  }
  RecordingHost platform;
  PracticeSession s(platform, seededRnd(std::strtoull(argv[1], nullptr, 10)), 0);
  std::string line;
  std::int64_t last = 0;
  for (int number = 1; std::getline(std::cin, line); ++number) {
    if (line.empty()) continue;
    const std::vector<std::string> f = fieldsOf(line);
    char* end = nullptr;
    const long long t = f.empty() ? 0 : std::strtoll(f[0].c_str(), &end, 10);
    if (f.size() < 2 || end == f[0].c_str() || t < last) {
      std::cerr << "line " << number << ": no time, or a time before the last one\n";
      return 1;
    }
    last = t;
    tickUntil(s, t);
    if (f[1] == "at") continue;
    const std::optional<InputKind> kind = inputKindNamed(f[1]);
    if (!kind || f.size() != 9) {
      std::cerr << "line " << number << ": cannot replay \"" << line << "\"\n";
      return 1;
    }
    Input in;
    in.kind = *kind;
    in.name = f[2];
    in.pointer = std::atoi(f[3].c_str());
    in.primary = f[4] == "1";
    in.over = f[5] == "1";
    in.repeat = f[6] == "1";
    in.key = static_cast<char32_t>(std::strtoul(f[7].c_str(), nullptr, 10));
    in.text = unescaped(f[8]);
    s.input(in, t);
  }
  std::cout << s.form().ousatu.text;
  return 0;
}
