#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zav::testing {

// The bytes of a string file holding `strings`, with `gap` unread bytes between the header
// and the first string (so the first string starts at 12 + gap).
inline std::vector<std::uint8_t> string_file_bytes(const std::vector<std::string>& strings,
                                                   std::uint32_t gap = 0) {
  const auto count = static_cast<std::uint32_t>(strings.size());
  const std::uint32_t first = 4 + gap;
  std::vector<std::uint8_t> bytes(12 + gap, 0);
  for (int i = 0; i < 4; ++i) {
    bytes[4 + i] = static_cast<std::uint8_t>(count >> (8 * i));
    bytes[8 + i] = static_cast<std::uint8_t>(first >> (8 * i));
  }
  for (const std::string& s : strings) {
    bytes.insert(bytes.end(), s.begin(), s.end());
    bytes.push_back(0);
  }
  return bytes;
}

// `count` strings named prefix0, prefix1, ...
inline std::vector<std::string> numbered(const std::string& prefix, int count) {
  std::vector<std::string> names;
  for (int i = 0; i < count; ++i) names.push_back(prefix + std::to_string(i));
  return names;
}

}  // namespace zav::testing
