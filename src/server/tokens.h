// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace kobaru {

// 128 random bits from the system's generator as 32 lower-case hexadecimal digits: a hall's id,
// its trainer's key, a trainee's seat.
std::string randomToken();
// Whether `s` is written as a token is (it may still be nobody's).
bool looksLikeToken(const std::string& s);

}  // namespace kobaru
