// SPDX-License-Identifier: MIT
#pragma once

#include <emscripten/val.h>

#include "session/practice_session.h"

namespace kobaru {

// The page's raw input as the session takes it: {kind, name, pointer, primary, over, repeat,
// key, text}, each field optional. A field of the wrong type counts as absent, a kind the
// session does not know as a wake-up (and so does entryText without its text), a key that is
// not a character as none.
Input inputOf(const emscripten::val& in);

// What the page does after an input: {effects: [{kind, path | text, title, icon}], changes,
// focus (a name or null), held (a name or ""), sleep (milliseconds, or -1 for no wake-up)}.
emscripten::val replyOf(const Reply& reply);

}  // namespace kobaru
