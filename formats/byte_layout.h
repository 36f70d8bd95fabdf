#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

// Little-endian access to fixed positions in a file image.
namespace zav::bytes {

inline std::uint8_t u8(std::span<const std::uint8_t> b, std::size_t at) {
  return b[at];
}

inline std::uint16_t u16(std::span<const std::uint8_t> b, std::size_t at) {
  return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}

inline std::int16_t i16(std::span<const std::uint8_t> b, std::size_t at) {
  return static_cast<std::int16_t>(u16(b, at));
}

inline void put_u8(std::span<std::uint8_t> b, std::size_t at, std::uint8_t v) {
  b[at] = v;
}

inline void put_u16(std::span<std::uint8_t> b, std::size_t at, std::uint16_t v) {
  b[at] = static_cast<std::uint8_t>(v & 0xFF);
  b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

inline void put_i16(std::span<std::uint8_t> b, std::size_t at, std::int16_t v) {
  put_u16(b, at, static_cast<std::uint16_t>(v));
}

}  // namespace zav::bytes
