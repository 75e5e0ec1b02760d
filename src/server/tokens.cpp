// SPDX-License-Identifier: MIT
#include "server/tokens.h"

#include <algorithm>
#include <random>

namespace kobaru {

namespace {
constexpr std::size_t kDigits = 32;
}

std::string randomToken() {
  static std::random_device device;
  constexpr char kHex[] = "0123456789abcdef";
  std::string token;
  token.reserve(kDigits);
  while (token.size() < kDigits) {
    const unsigned bits = device();  // 32 bits each
    for (int shift = 0; shift < 32; shift += 4) token += kHex[(bits >> shift) & 0xF];
  }
  return token;
}

bool looksLikeToken(const std::string& s) {
  return s.size() == kDigits && std::all_of(s.begin(), s.end(), [](char c) {
           return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
         });
}

}  // namespace kobaru
