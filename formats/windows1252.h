#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace zav {

// The game's 8-bit texts as UTF-8. Bytes that Windows-1252 leaves undefined become the
// control characters of the same number, so no byte is lost.
std::string windows1252_to_utf8(std::span<const std::uint8_t> text);

}  // namespace zav
