// SPDX-License-Identifier: MIT
// RIFF/WAVE encoding: a 44-byte header (fmt chunk for 16-bit PCM mono, then the data chunk),
// all fields little-endian.
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "assetgen.h"

namespace kobaru::assetgen {

namespace {

template <typename T>
void put(QByteArray& bytes, T value) {
  char raw[sizeof(T)];
  qToLittleEndian(value, raw);
  bytes.append(raw, sizeof(T));
}

}  // namespace

QByteArray encodeWav(std::span<const double> samples, int sampleRate) {
  constexpr std::uint16_t kChannels = 1;
  constexpr std::uint16_t kBitsPerSample = 16;
  constexpr std::uint16_t kBlockAlign = kChannels * kBitsPerSample / 8;
  const auto dataSize = static_cast<std::uint32_t>(samples.size() * kBlockAlign);

  QByteArray bytes;
  bytes.reserve(44 + static_cast<qsizetype>(dataSize));
  bytes.append("RIFF", 4);
  put<std::uint32_t>(bytes, 36 + dataSize);
  bytes.append("WAVE", 4);
  bytes.append("fmt ", 4);
  put<std::uint32_t>(bytes, 16);
  put<std::uint16_t>(bytes, 1);  // PCM
  put<std::uint16_t>(bytes, kChannels);
  put<std::uint32_t>(bytes, static_cast<std::uint32_t>(sampleRate));
  put<std::uint32_t>(bytes, static_cast<std::uint32_t>(sampleRate) * kBlockAlign);
  put<std::uint16_t>(bytes, kBlockAlign);
  put<std::uint16_t>(bytes, kBitsPerSample);
  bytes.append("data", 4);
  put<std::uint32_t>(bytes, dataSize);
  for (const double s : samples)
    put<std::int16_t>(bytes,
                      static_cast<std::int16_t>(std::lround(std::clamp(s, -1.0, 1.0) * 32767)));
  return bytes;
}

}  // namespace kobaru::assetgen
