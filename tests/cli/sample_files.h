#pragma once

#include <cstddef>
#include <cstdint>
#include <random>
#include <vector>

#include "formats/campaign.h"
#include "formats/squadron.h"

// Records and bytes for the tool's tests, made here and written by the project's own writers.
namespace zav::testing {

// The same bytes on every run for a given seed.
inline std::vector<std::uint8_t> random_bytes(std::size_t size, unsigned seed) {
  std::mt19937 engine(seed);
  std::uniform_int_distribution<int> byte(0, 255);
  std::vector<std::uint8_t> bytes(size);
  for (std::uint8_t& b : bytes) b = static_cast<std::uint8_t>(byte(engine));
  return bytes;
}

// A campaign in which `zav check` has nothing to find: two phases, two plane types, two special
// events and one special mission in use, every value one the editors offer.
inline Campaign clean_campaign() {
  Campaign c;
  c.setup = {.start_year = 1943,
             .start_month = 5,
             .start_day = 30,
             .brief_language = 2,
             .attack_side = 1,
             .camp_type = 2,
             .attack_base = 307,
             .attack_capital = 12,
             .defend_capital = 0,
             .num_sqns = 25,
             .num_spev = 2,
             .num_spm = 1,
             .num_phases = 2,
             .phase_length = 7,
             .days_between_missions = 2,
             .num_plane_types = 2};
  c.phases[0].win_condition = 4;
  c.phases[0].us_aircraft = 2000;
  c.phases[0].target_priority = {0, 22, 23, 41, 255, 233, 72, 57};
  c.phases[1].british_production = 255;
  c.plane_types[0] = {.plane_slot = 29, .start_phase = 0, .end_phase = 25, .replacement = 255};
  c.plane_types[1] = {.plane_slot = 255, .start_phase = 3, .end_phase = 4, .replacement = 0};
  c.german_forces.quality = 2;
  c.special_events[1] = {.type = 21, .trigger = 7, .param1 = -128};
  SpecialMission& m = c.special_missions[0];
  m.trigger = 9;
  m.mission_type = 4;
  m.num_targets = 2;
  m.target_priority = 5;
  m.targets = {307, -1, 999, 999, 999, 999, 999, 999};  // entries beyond num_targets are unused
  m.weather = 4;
  m.brief_view = {-3, -2, -1, 0, 308, 1, 2, 3};
  m.standard_speech = {1, 0, 1, 0, 1, 0, 1, 0};
  m.success_event = 2;
  m.fail_event = SpecialMission::kNoEvent;
  m.formation = -2;
  m.altitude = 12000;
  return c;
}

// A squadron in which `zav check` has nothing to find.
inline Squadron clean_squadron() {
  Squadron s;
  s.start_year = 1947;
  s.start_month = 11;
  s.home_base = kForwardBase;
  s.aircraft_type = 29;
  s.num_aircraft = 30;
  s.num_pilots = 30;
  s.commencing_phase = 25;
  s.squadrons_in_group = 4;
  s.num_moves = 1;
  s.moves[0] = {.probability = 50, .phase = 3, .destination = 161};
  s.num_changes = 1;
  s.changes[0] = {.probability = 10, .phase = 4, .aircraft_type = 7, .reserved = 200};
  s.special_missions[31] = 1;
  s.weapons[7] = {.weapon = 31, .phase = 25, .number = 600};
  return s;
}

}  // namespace zav::testing
