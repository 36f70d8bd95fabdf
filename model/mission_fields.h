#pragma once

#include <cstddef>

#include "formats/mission.h"
#include "model/name_list_ranges.h"
#include "model/record_field.h"

// The fields of the Mission record (naming: model/record_field.h). A group's rows below its
// count are in use.
namespace zav::fields {

inline constexpr Field mission_group_count{
    "count", &MissionGroup::count, Limit{MissionGroup::kRows, "the number of rows a group holds"}};
inline constexpr Field mission_group_plane_type{
    "plane_type", &MissionGroup::plane_type, kPlaneList,
    [](const MissionGroup& g) -> std::size_t { return g.count; }};
inline constexpr Field mission_group_chance{
    "chance", &MissionGroup::chance, kByteSlider,
    [](const MissionGroup& g) -> std::size_t { return g.count; }};

inline constexpr auto mission_group_fields =
    field_list(mission_group_count, mission_group_plane_type, mission_group_chance);

inline constexpr Field mission_fighters{"fighters", &Mission::fighters,
                                        Nested{mission_group_fields}};
inline constexpr Field mission_attack{"attack", &Mission::attack, Nested{mission_group_fields}};
inline constexpr Field mission_bombers{"bombers", &Mission::bombers, Nested{mission_group_fields}};

inline constexpr auto mission_fields = field_list(mission_fighters, mission_attack, mission_bombers);

}  // namespace zav::fields
