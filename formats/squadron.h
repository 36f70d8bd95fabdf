#pragma once

#include <array>
#include <cstdint>

// The Squadron table: up to 25 squadrons as the squadron editor holds them.
namespace zav {

// Airfield numbers index the airfield table (0 to 161); 162 is the forward base.
inline constexpr std::int16_t kForwardBase = 162;

struct AirfieldMove {
  std::uint8_t probability = 0;
  std::uint8_t phase = 0;
  std::uint8_t destination = 0;  // airfield number, or kForwardBase

  bool operator==(const AirfieldMove&) const = default;
};

struct AircraftChange {
  std::uint8_t probability = 0;
  std::uint8_t phase = 0;
  std::uint8_t aircraft_type = 0;
  std::uint8_t reserved = 0;  // meaning unknown; kept as read

  bool operator==(const AircraftChange&) const = default;
};

struct WeaponLoad {
  std::uint8_t weapon = 0;
  std::uint8_t phase = 0;
  std::uint16_t number = 0;

  bool operator==(const WeaponLoad&) const = default;
};

struct Squadron {
  std::int16_t start_year = 1940;
  std::uint8_t start_month = 0;
  std::uint8_t start_day = 0;  // day of month minus one
  // Airfield number, kForwardBase, or -1 for a stored byte of 0 (which names no airfield).
  std::int16_t home_base = 0;
  std::uint8_t aircraft_type = 0;
  std::uint8_t num_aircraft = 0;
  std::uint8_t num_pilots = 0;
  std::uint8_t morale = 0;
  std::uint8_t skill = 0;
  std::uint8_t commencing_phase = 0;
  std::uint8_t squadrons_in_group = 0;
  std::uint8_t escort_weight = 0;
  std::uint8_t sweep_weight = 0;
  std::uint8_t bomb_weight = 0;
  std::uint8_t intercept_weight = 0;
  std::uint8_t interdiction_weight = 0;
  std::uint8_t sprite = 0;
  std::uint8_t unit_name = 0;
  std::uint8_t unit_description = 0;
  std::array<std::uint8_t, 4> staffel{};
  std::uint8_t num_moves = 0;
  std::uint8_t num_changes = 0;
  std::array<AirfieldMove, 4> moves{};
  std::array<AircraftChange, 4> changes{};
  std::array<std::uint8_t, 32> special_missions{};
  std::array<WeaponLoad, 8> weapons{};

  bool operator==(const Squadron&) const = default;
};

struct SquadronTable {
  static constexpr int kMaxSquadrons = 25;

  std::array<Squadron, kMaxSquadrons> slots{};
  int count = 0;  // squadrons in use: slots 0 to count - 1

  bool operator==(const SquadronTable&) const = default;
};

// Every slot back to the default record (1940, all else 0); the count becomes 0.
void reset(SquadronTable& table);

// Adds the slot after the last squadron, with whatever it holds. False at 25 squadrons.
bool add_squadron(SquadronTable& table);

// Deletes squadron `current` (1-based): the ones after it move down a slot, and the freed
// last slot takes the content of the slot after it (a full table keeps it). False when only
// one squadron is left. Returns the squadron to show next through `current`.
bool delete_squadron(SquadronTable& table, int& current);

}  // namespace zav
