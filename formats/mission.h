#pragma once

#include <array>
#include <cstdint>

// The Mission record: the plane groups of one mission file.
namespace zav {

struct MissionGroup {
  static constexpr int kRows = 8;

  std::uint8_t count = 0;  // rows in use; the rows beyond it keep their values
  std::array<std::uint8_t, kRows> plane_type{};
  std::array<std::uint8_t, kRows> chance{};

  bool operator==(const MissionGroup&) const = default;
};

struct Mission {
  MissionGroup fighters;
  MissionGroup attack;
  MissionGroup bombers;

  bool operator==(const Mission&) const = default;
};

}  // namespace zav
