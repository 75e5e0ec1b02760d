// SPDX-License-Identifier: MIT
#pragma once

#include <nlohmann/json.hpp>

#include "session/practice_session.h"

namespace kobaru {

// A raw input as the pages send it. Anything may come: a kind not known is a wake-up, and so is
// text typed into an entry without its text; a field of the wrong type counts as absent; a key
// outside Unicode is no key.
Input inputFrom(const nlohmann::json& in);
// The fields an input has.
inline constexpr const char* kInputFields[] = {"kind", "name",   "pointer", "primary",
                                               "over", "repeat", "key",     "text"};
// An input as inputFrom reads it back.
nlohmann::json inputJson(const Input& in);
// The effects in order: {kind, path} for a sound, {kind, text, title, icon} for a message.
nlohmann::json effectsJson(const std::vector<Effect>& effects);
// What a page does after an input: {effects, changes, focus, held, sleep}, sleep -1 for none.
nlohmann::json replyJson(const Reply& reply);

}  // namespace kobaru
