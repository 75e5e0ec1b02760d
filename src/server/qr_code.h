// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

namespace kobaru {

// The text as a QR code (libqrencode, error correction M): one string a row of modules, '1' dark
// and '0' light, without the quiet zone; nothing when it cannot be encoded.
std::vector<std::string> qrRows(const std::string& text);

}  // namespace kobaru
