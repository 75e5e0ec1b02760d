// SPDX-License-Identifier: MIT
#include "wire/session_json.h"

#include <gtest/gtest.h>

#include "support/inputs.h"

namespace kobaru {
namespace {

using nlohmann::json;

TEST(SessionJson, AnInputReadsBackAsItWasWritten) {
  for (const Input& in :
       {down("Command12", 3, false), up("Command12", false, 3),
        key(InputKind::KeyDown, "Command14", U'\r', true), key(InputKind::EntryKey, "Text6", U'漢'),
        typed("Text6", "2\t0\"0"), entryClick("Text7", false), input(InputKind::MessageClosed)})
    EXPECT_EQ(inputFrom(json::parse(inputJson(in).dump())), in) << inputJson(in).dump();
}

TEST(SessionJson, AnythingAPageSendsReadsAsAnInput) {
  struct Case {
    const char* sent;
    InputKind kind;
    int pointer;
    char32_t key;
  };
  // No key: what is not one, or not there.
  constexpr char32_t kNone = 0x110000;
  const Case cases[] = {
      {"null", InputKind::Tick, 0, 0},
      {"[1,2]", InputKind::Tick, 0, 0},
      {R"({"kind":"explode"})", InputKind::Tick, 0, kNone},
      {R"({"kind":"entryText","name":"Text6"})", InputKind::Tick, 0, kNone},
      {R"({"kind":"buttonDown","pointer":1e300})", InputKind::ButtonDown, 0, kNone},
      {R"({"kind":"buttonDown","pointer":"7"})", InputKind::ButtonDown, 0, kNone},
      {R"({"kind":"entryKey","key":1114112})", InputKind::EntryKey, 0, kNone},
      {R"({"kind":"entryKey","key":-1})", InputKind::EntryKey, 0, kNone},
      {R"({"kind":"entryKey","key":65.5})", InputKind::EntryKey, 0, kNone},
      {R"({"kind":"keyDown","key":32,"primary":"no"})", InputKind::KeyDown, 0, U' '},
  };
  for (const Case& c : cases) {
    const Input in = inputFrom(json::parse(c.sent));
    EXPECT_EQ(in.kind, c.kind) << c.sent;
    EXPECT_EQ(in.pointer, c.pointer) << c.sent;
    EXPECT_EQ(in.key, c.key) << c.sent;
    EXPECT_TRUE(in.primary) << c.sent;
  }
}

}  // namespace
}  // namespace kobaru
