#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zav {

// The game's 8-bit texts as UTF-8. Bytes that Windows-1252 leaves undefined become the
// control characters of the same number, so no byte is lost.
std::string windows1252_to_utf8(std::span<const std::uint8_t> text);

// A UTF-8 text in Windows-1252, the exact reverse of windows1252_to_utf8, or the first
// character (as a code point) that has no byte there. A broken UTF-8 sequence counts as
// U+FFFD, which has none.
struct Windows1252Text {
  std::vector<std::uint8_t> bytes;
  std::optional<char32_t> refused;
};
Windows1252Text utf8_to_windows1252(std::string_view text);

}  // namespace zav
