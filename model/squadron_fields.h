#pragma once

#include <cstddef>
#include <tuple>

#include "formats/campaign.h"
#include "formats/squadron.h"
#include "model/name_list_ranges.h"
#include "model/record_field.h"

// The fields of a Squadron record, with its moves, changes and weapon loads, in record order
// (naming: model/record_field.h). The squadron editor stores what its spins and sliders give,
// so their ranges are the values it produces.
namespace zav::fields {

inline constexpr Range kPhaseSpinner{0, Campaign::kPhases, kSpinner};

inline constexpr Field airfield_move_probability{"probability", &AirfieldMove::probability,
                                                 kByteSlider};
inline constexpr Field airfield_move_phase{"phase", &AirfieldMove::phase, kByteSpinner};
inline constexpr Field airfield_move_destination{"destination", &AirfieldMove::destination,
                                                 kBaseList};

inline constexpr auto airfield_move_fields =
    field_list(airfield_move_probability, airfield_move_phase, airfield_move_destination);

inline constexpr Field aircraft_change_probability{"probability", &AircraftChange::probability,
                                                   kByteSlider};
inline constexpr Field aircraft_change_phase{"phase", &AircraftChange::phase, kByteSpinner};
inline constexpr Field aircraft_change_aircraft_type{"aircraft_type",
                                                     &AircraftChange::aircraft_type, kPlaneList};
inline constexpr Field aircraft_change_reserved{"reserved", &AircraftChange::reserved};

inline constexpr auto aircraft_change_fields =
    field_list(aircraft_change_probability, aircraft_change_phase, aircraft_change_aircraft_type,
               aircraft_change_reserved);

inline constexpr Field weapon_load_weapon{"weapon", &WeaponLoad::weapon, kWeaponList};
inline constexpr Field weapon_load_phase{"phase", &WeaponLoad::phase, kPhaseSpinner};
inline constexpr Field weapon_load_number{"number", &WeaponLoad::number,
                                          Range{0, 600, kSpinner, 10}};

inline constexpr auto weapon_load_fields =
    field_list(weapon_load_weapon, weapon_load_phase, weapon_load_number);

inline constexpr Field squadron_start_year{"start_year", &Squadron::start_year,
                                           Numbered{{1940, 1947, "the year list"}, 1940}};
inline constexpr Field squadron_start_month{"start_month", &Squadron::start_month, kMonthList};
inline constexpr Field squadron_start_day{"start_day", &Squadron::start_day, kDayList};
inline constexpr Field squadron_home_base{"home_base", &Squadron::home_base, kBaseList};
inline constexpr Field squadron_aircraft_type{"aircraft_type", &Squadron::aircraft_type,
                                              kPlaneList};
inline constexpr Field squadron_num_aircraft{"num_aircraft", &Squadron::num_aircraft,
                                             Range{0, 30, kSpinner}};
inline constexpr Field squadron_num_pilots{"num_pilots", &Squadron::num_pilots,
                                           Range{0, 30, kSpinner}};
inline constexpr Field squadron_morale{"morale", &Squadron::morale, kByteSlider};
inline constexpr Field squadron_skill{"skill", &Squadron::skill, kByteSlider};
inline constexpr Field squadron_commencing_phase{"commencing_phase", &Squadron::commencing_phase,
                                                 kPhaseSpinner};
inline constexpr Field squadron_squadrons_in_group{
    "squadrons_in_group", &Squadron::squadrons_in_group, Range{0, 4, kSpinner}};
inline constexpr Field squadron_escort_weight{"escort_weight", &Squadron::escort_weight,
                                              kByteSlider};
inline constexpr Field squadron_sweep_weight{"sweep_weight", &Squadron::sweep_weight, kByteSlider};
inline constexpr Field squadron_bomb_weight{"bomb_weight", &Squadron::bomb_weight, kByteSlider};
inline constexpr Field squadron_intercept_weight{"intercept_weight", &Squadron::intercept_weight,
                                                 kByteSlider};
inline constexpr Field squadron_interdiction_weight{"interdiction_weight",
                                                    &Squadron::interdiction_weight, kByteSlider};
inline constexpr Field squadron_sprite{"sprite", &Squadron::sprite, kByteBox};
inline constexpr Field squadron_unit_name{"unit_name", &Squadron::unit_name, kByteBox};
inline constexpr Field squadron_unit_description{"unit_description", &Squadron::unit_description,
                                                 kByteBox};
inline constexpr Field squadron_staffel{"staffel", &Squadron::staffel, kByteBox};
inline constexpr Field squadron_num_moves{
    "num_moves", &Squadron::num_moves,
    Limit{static_cast<int>(std::tuple_size_v<decltype(Squadron::moves)>),
          "the number of airfield moves a squadron holds"}};
inline constexpr Field squadron_num_changes{
    "num_changes", &Squadron::num_changes,
    Limit{static_cast<int>(std::tuple_size_v<decltype(Squadron::changes)>),
          "the number of aircraft changes a squadron holds"}};
inline constexpr Field squadron_moves{"moves", &Squadron::moves, Nested{airfield_move_fields},
                                      [](const Squadron& s) -> std::size_t { return s.num_moves; }};
inline constexpr Field squadron_changes{
    "changes", &Squadron::changes, Nested{aircraft_change_fields},
    [](const Squadron& s) -> std::size_t { return s.num_changes; }};
inline constexpr Field squadron_special_missions{"special_missions", &Squadron::special_missions,
                                                 kCheckBox};
inline constexpr Field squadron_weapons{"weapons", &Squadron::weapons, Nested{weapon_load_fields}};

inline constexpr auto squadron_fields = field_list(
    squadron_start_year, squadron_start_month, squadron_start_day, squadron_home_base,
    squadron_aircraft_type, squadron_num_aircraft, squadron_num_pilots, squadron_morale,
    squadron_skill, squadron_commencing_phase, squadron_squadrons_in_group, squadron_escort_weight,
    squadron_sweep_weight, squadron_bomb_weight, squadron_intercept_weight,
    squadron_interdiction_weight, squadron_sprite, squadron_unit_name, squadron_unit_description,
    squadron_staffel, squadron_num_moves, squadron_num_changes, squadron_moves, squadron_changes,
    squadron_special_missions, squadron_weapons);

}  // namespace zav::fields
