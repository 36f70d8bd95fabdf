#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Where a mission file keeps each value, to build test files and check written ones byte by
// byte: three 20-byte groups, each a count, three reserved bytes, eight plane types and
// eight chances.
namespace zav::testing {

inline constexpr std::size_t kMissionBytes = 60;
inline constexpr std::size_t kFightersAt = 0;
inline constexpr std::size_t kAttackAt = 20;
inline constexpr std::size_t kBombersAt = 40;

inline constexpr std::size_t plane_at(std::size_t group, std::size_t row) {
  return group + 4 + row;
}
inline constexpr std::size_t chance_at(std::size_t group, std::size_t row) {
  return group + 12 + row;
}

// A mission file whose every row has a plane type and chance of its own, so that a value
// written to the wrong place shows: plane 1 + row (+ 10 for attack, + 20 for bombers) and
// chance 100 + plane type.
inline std::vector<std::uint8_t> distinct_mission_bytes(std::uint8_t fighters, std::uint8_t attack,
                                                        std::uint8_t bombers) {
  std::vector<std::uint8_t> bytes(kMissionBytes, 0);
  const std::uint8_t counts[] = {fighters, attack, bombers};
  for (std::size_t g = 0; g < 3; ++g) {
    const std::size_t group = 20 * g;
    bytes[group] = counts[g];
    for (std::size_t row = 0; row < 8; ++row) {
      const auto plane = static_cast<std::uint8_t>(1 + row + 10 * g);
      bytes[plane_at(group, row)] = plane;
      bytes[chance_at(group, row)] = static_cast<std::uint8_t>(100 + plane);
    }
  }
  return bytes;
}

}  // namespace zav::testing
