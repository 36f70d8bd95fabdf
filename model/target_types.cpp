#include "target_types.h"

namespace zav {

const std::array<TargetType, kTargetTypeCount> kTargetTypes = {{
    {"Random Target", 0},
    {"Oil Refinery", 1},
    {"Ball Bearing Pland", 2},
    {"Chemical Plant", 3},
    {"Aircraft Factory", 4},
    {"Airfield", 5},
    {"Armament Factory", 6},
    {"Railyard", 7},
    {"Shipyard", 8},
    {"U-Boat Pen", 9},
    {"V-1 Site", 10},
    {"Road River Bridge", 11},
    {"Road Coast Bridge 1", 12},
    {"Road Coast Bridge 2", 13},
    {"Rail River Bridge", 14},
    {"Rail Coast Bridge 1", 15},
    {"Rail Coast Bridge 2", 16},
    {"Heavy Flak ***", 17},
    {"Light Flak ***", 18},
    {"Oil Storage ***", 19},
    {"Radar Station", 20},
    {"Radar Tower", 21},
    {"Fort ***", 23},
    {"Fuel Dump *", 24},
    {"AC Tower *", 25},
    {"Ammo Bunker *", 26},
    {"Hangar *", 27},
    {"Barracks ***", 28},
    {"Headquarters ***", 29},
    {"O-Club ***", 30},
    {"Briefing Room ***", 31},
    {"Warehouse ***", 41},
    {"People Filling **", 70},
    {"People Marching **", 71},
    {"No Target", 255},
    {"London", 239},
    {"Ship Convoy", 238},
    {"Armor", 237},
    {"Trucks", 236},
    {"V-1 Intercept", 235},
    {"Scramble", 234},
    {"Continental Base", 233},
    {"Transport Ship", 72},
    {"Destroyers", 57},
}};

std::optional<std::uint8_t> target_code_for_position(int position) {
  if (position < 0 || position >= kTargetTypeCount) return std::nullopt;
  return kTargetTypes[static_cast<std::size_t>(position)].code;
}

std::optional<int> target_position_for_code(int code) {
  constexpr int kRadarTowerOldCode = 22;
  if (code == kRadarTowerOldCode) return target_position_for_code(21);
  for (int position = 0; position < kTargetTypeCount; ++position) {
    if (kTargetTypes[position].code == code) return position;
  }
  return std::nullopt;
}

int written_target_code(int code) {
  const std::optional<int> position = target_position_for_code(code);
  return position ? *target_code_for_position(*position) : code;
}

}  // namespace zav
