#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "formats/campaign.h"
#include "formats/mission_file.h"
#include "formats/squadron.h"
#include "mission_bytes.h"

// Records in which `zav check` finds nothing, and records with one problem of each of its
// rules, with the problems it reports in them as "path: reason": what the tool and the
// editors' problem lists are held to alike.
namespace zav::testing {

// A campaign in which `zav check` has nothing to find: two phases, two plane types, two special
// events and one special mission in use, with values at the ends of what the editors offer
// (0, the default, is the other end of most).
inline Campaign clean_campaign() {
  Campaign c;
  c.setup = {.start_year = 1943,
             .start_day = 30,
             .brief_language = 2,
             .camp_type = 2,
             .attack_base = 307,
             .num_sqns = 25,
             .num_spev = 2,
             .num_spm = 1,
             .num_phases = 2,
             .phase_length = 7,
             .days_between_missions = 255,
             .num_plane_types = 2};
  c.phases[0].win_condition = 4;
  c.phases[0].us_aircraft = 2000;
  c.phases[0].target_priority = {0, 22, 23, 41, 255, 233, 72, 57};
  c.phases[1].british_production = 255;
  c.phases[1].lose_condition = 1;  // "Date": the parameter counts days of the phase
  c.phases[1].lose_param = 7;
  c.plane_types[0] = {.plane_slot = 29,
                      .start_phase = 0,
                      .end_phase = 25,
                      .replacement = 255,
                      .start_points = 5000};
  c.plane_types[1] = {.plane_slot = 255, .start_phase = 3, .end_phase = 4, .replacement = 0};
  c.german_forces.quality = 2;
  c.special_events[1] = {.type = 21, .trigger = 7};
  SpecialMission& m = c.special_missions[0];
  m.trigger = 9;
  m.mission_type = 4;
  m.num_targets = 2;
  m.target_priority = 5;
  m.targets = {307, -1, 999, 999, 999, 999, 999, 999};  // entries beyond num_targets are unused
  m.hour = 23;
  m.minute = 59;
  m.weather = 4;
  m.brief_view = {-3, -2, -1, 0, 308, 1, 2, 3};
  m.standard_speech = {1, 0, 1, 0, 1, 0, 1, 0};
  m.success_event = 2;
  m.fail_event = SpecialMission::kNoEvent;
  m.formation = -2;
  m.altitude = 12000;
  c.v1_speech.v1_ground_speech = 308;
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

// The clean campaign with one problem of each rule, in each section, and values beyond the
// counts in use, which are no problems.
inline Campaign campaign_with_problems() {
  Campaign c = clean_campaign();
  c.setup.start_month = 12;
  c.setup.camp_type = 3;
  c.setup.defend_capital = 308;
  c.setup.num_sqns = 0x0105;
  c.setup.num_spm = 33;
  c.phases[1].win_condition = 5;
  c.phases[1].us_oil = 2001;
  c.phases[1].lose_param = 8;  // beyond the phase length of its "Date" condition
  c.phases[1].target_priority[7] = 40;
  c.phases[2].win_condition = 9;  // beyond num_phases: no editor shows it
  c.plane_types[0].replacement = 30;
  c.plane_types[1].end_phase = 26;
  c.plane_types[1].initial_planes = -10;
  c.german_forces.production[7] = 5001;
  c.german_forces.factories[0] = 70;  // the box stores what is typed
  c.allied_forces.quality = 3;
  c.special_events[0].type = 22;
  c.special_events[0].trigger = 1;  // "When Campaign Phase is =>", up to phase 24
  c.special_events[0].trigger_param = 25;
  c.special_events[2].type = 99;  // beyond num_spev
  c.special_missions[0].success_event = 3;
  c.special_missions[0].target_priority = 32;
  c.special_missions[0].targets[1] = 308;
  c.special_missions[0].hour = 24;
  c.special_missions[0].formation = 1942;
  for (std::size_t i = 1; i < c.special_missions.size(); ++i)
    c.special_missions[i].formation = 1940;
  c.special_missions[31].trigger = 10;  // in use now that num_spm is 33
  c.v1_speech.v1_attack_speech = 309;
  return c;
}

// The clean squadron with one problem of each kind of field.
inline Squadron squadron_with_problems() {
  Squadron s = clean_squadron();
  s.home_base = -1;  // a stored byte of 0
  s.start_day = 31;
  s.aircraft_type = 30;
  s.num_pilots = 31;
  s.num_moves = 2;
  s.moves[1].destination = kForwardBase;
  s.num_changes = 5;
  s.changes[3].aircraft_type = 40;
  s.special_missions[4] = 2;
  s.weapons[0].weapon = 32;
  s.weapons[0].number = 610;
  return s;
}

// A mission with a count beyond its rows and a plane type beyond the list, in use, and another
// beyond its group's count, which is no problem.
inline Mission mission_with_problems() {
  std::vector<std::uint8_t> bytes = distinct_mission_bytes(9, 1, 2);
  bytes[plane_at(kAttackAt, 0)] = 30;
  bytes[plane_at(kBombersAt, 2)] = 30;
  return decode_mission(std::span<const std::uint8_t, kMissionBytes>(bytes.data(), kMissionBytes));
}

// What `zav check` reports in campaign_with_problems(), in order.
inline const std::vector<std::string> kCampaignProblems = {
    "setup.start_month: 12 is outside 0 to 11, the month list",
    "setup.camp_type: 3 is outside 0 to 2, the campaign type list",
    "setup.defend_capital: 308 is outside 0 to 307, the place list",
    "setup.num_sqns: 261 is outside 1 to 25, the range of its spinner",
    "setup.num_spm: 33 is above 32, the number of special missions a campaign holds",
    "phases[1].win_condition: 5 is outside 0 to 4, the condition list",
    "phases[1].lose_param: 8 is above 7, the phase length, where its slider ends for a Date "
    "condition",
    "phases[1].us_oil: 2001 is outside 0 to 2000, the range of its slider",
    "phases[1].target_priority[7]: code 40 has no entry in the target-type list",
    "plane_types[0].replacement: 30 names no aircraft (0 to 29, or 255 for none)",
    "plane_types[1].end_phase: 26 is above 25, the last phase",
    "plane_types[1].initial_planes: -10 is outside 0 to 5000, the range of its spinner",
    "german_forces.production[7]: 5001 is outside 0 to 5000, the range of its slider",
    "allied_forces.quality: 3 is outside 0 to 2, the quality list",
    "special_events[0].type: 22 is outside 0 to 21, the event type list",
    "special_events[0].trigger_param: 25 is outside 0 to 24, what \"When Campaign Phase is =>\" "
    "offers",
    "special_missions[0].target_priority: code 32 has no entry in the target-type list",
    "special_missions[0].targets[1]: 308 is outside -1 to 307, the place list (-1 for none chosen)",
    "special_missions[0].hour: 24 is outside 0 to 23, the range of its spinner",
    "special_missions[0].success_event: names special event 3, but the campaign has 2 special "
    "events",
    "special_missions[0].formation: 1942 is no formation (1940, 1943, 1944, 1945, -2 or -1)",
    "special_missions[31].trigger: 10 is outside 0 to 9, the trigger list",
    "v1_speech.v1_attack_speech: 309 is outside 0 to 308, the range of its spinner",
};

// What it reports in a squadron file of clean_squadron() and squadron_with_problems().
inline const std::vector<std::string> kSquadronProblems = {
    "squadrons[1].start_day: 31 is outside 0 to 30, the day list",
    "squadrons[1].home_base: -1 is outside 0 to 162, the airfields and the forward base (162)",
    "squadrons[1].aircraft_type: 30 is outside 0 to 29, the plane list",
    "squadrons[1].num_pilots: 31 is outside 0 to 30, the range of its spinner",
    "squadrons[1].num_changes: 5 is above 4, the number of aircraft changes a squadron holds",
    "squadrons[1].changes[3].aircraft_type: 40 is outside 0 to 29, the plane list",
    "squadrons[1].special_missions[4]: 2 is outside 0 to 1, the clear (0) and set (1) of its check "
    "box",
    "squadrons[1].weapons[0].weapon: 32 is outside 0 to 31, the weapon list",
    "squadrons[1].weapons[0].number: 610 is outside 0 to 600, the range of its spinner",
};

// What it reports in mission_with_problems().
inline const std::vector<std::string> kMissionProblems = {
    "fighters.count: 9 is above 8, the number of rows a group holds",
    "attack.plane_type[0]: 30 is outside 0 to 29, the plane list",
};
}  // namespace zav::testing
