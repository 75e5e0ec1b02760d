// SPDX-License-Identifier: MIT
#include "server/qr_code.h"

#include <qrencode.h>

#include <memory>

namespace kobaru {

std::vector<std::string> qrRows(const std::string& text) {
  const std::unique_ptr<QRcode, void (*)(QRcode*)> code(
      QRcode_encodeString8bit(text.c_str(), 0, QR_ECLEVEL_M), QRcode_free);
  std::vector<std::string> rows;
  if (!code) return rows;
  for (int y = 0; y < code->width; ++y) {
    std::string row(static_cast<std::size_t>(code->width), '0');
    for (int x = 0; x < code->width; ++x)
      if (code->data[y * code->width + x] & 1) row[static_cast<std::size_t>(x)] = '1';
    rows.push_back(std::move(row));
  }
  return rows;
}

}  // namespace kobaru
