#include "check.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "json_reader.h"
#include "model/target_types.h"

namespace zav::cli {
namespace {

constexpr int kLastPlace = 307;
constexpr int kLastPlaneType = 29;
constexpr int kLastPhase = 25;
constexpr int kLastAirfieldOrForwardBase = 162;

// Collects what is wrong below one path of the text form.
class Findings {
 public:
  Findings(FieldProblems& found, std::string path) : found_(found), path_(std::move(path)) {}

  Findings member(std::string_view name) const { return {found_, member_path(path_, name)}; }
  Findings entry(std::string_view name, std::size_t index) const {
    return {found_, element_path(member_path(path_, name), index)};
  }

  // `field` is empty when the path already names the value itself, as for an array entry.
  void add(std::string_view field, std::string sentence) const {
    found_.push_back({field.empty() ? path_ : member_path(path_, field), std::move(sentence)});
  }

  void outside(std::string_view field, int value, int low, int high, std::string_view range) const {
    if (value < low || value > high) {
      add(field, std::to_string(value) + " is outside " + std::to_string(low) + " to " +
                     std::to_string(high) + ", " + std::string(range));
    }
  }

  void above(std::string_view field, int value, int most, std::string_view limit) const {
    if (value > most) {
      add(field,
          std::to_string(value) + " is above " + std::to_string(most) + ", " + std::string(limit));
    }
  }

  void check_box(std::string_view field, int value) const {
    outside(field, value, 0, 1, "the clear (0) and set (1) of its check box");
  }

  void plane_or_none(std::string_view field, int value) const {
    if (value > kLastPlaneType && value != PlaneType::kNone) {
      add(field, std::to_string(value) + " names no aircraft (0 to 29, or 255 for none)");
    }
  }

  void target_type(std::string_view field, int code) const {
    if (!target_position_for_code(code)) {
      add(field, "code " + std::to_string(code) + " has no entry in the target-type list");
    }
  }

  void special_event(std::string_view field, int event, int num_spev) const {
    if (event != SpecialMission::kNoEvent && event > num_spev) {
      add(field, "names special event " + std::to_string(event) + ", but num_spev is " +
                     std::to_string(num_spev));
    }
  }

 private:
  FieldProblems& found_;
  std::string path_;
};

// How many entries of a table a count puts in use.
std::size_t in_use(int count, std::size_t table_size) {
  return std::min(static_cast<std::size_t>(count), table_size);
}

void check_setup(const CampaignSetup& s, const Findings& f) {
  f.outside("start_year", s.start_year, 1940, 1946, "the year list");
  f.outside("start_month", s.start_month, 0, 11, "the month list");
  f.outside("start_day", s.start_day, 0, 30, "the day list");
  f.outside("brief_language", s.brief_language, 0, 2, "the language list");
  f.outside("attack_side", s.attack_side, 0, 2, "the side list");
  f.outside("camp_type", s.camp_type, 0, 2, "the campaign type list");
  f.outside("attack_base", s.attack_base, 0, kLastPlace, "the place list");
  f.outside("attack_capital", s.attack_capital, 0, kLastPlace, "the place list");
  f.outside("defend_capital", s.defend_capital, 0, kLastPlace, "the place list");
  f.above("num_sqns", s.num_sqns, 25, "the most squadrons a campaign can have");
  f.above("num_spev", s.num_spev, Campaign::kSpecialEvents,
          "the number of special events a campaign holds");
  f.above("num_spm", s.num_spm, Campaign::kSpecialMissions,
          "the number of special missions a campaign holds");
  f.above("num_phases", s.num_phases, Campaign::kPhases, "the number of phases a campaign holds");
  f.above("num_plane_types", s.num_plane_types, Campaign::kPlaneTypes,
          "the number of plane types a campaign holds");
}

constexpr std::pair<std::string_view, std::int16_t Phase::*> kUsProduction[] = {
    {"us_aircraft", &Phase::us_aircraft},       {"us_arms", &Phase::us_arms},
    {"us_chemical", &Phase::us_chemical},       {"us_oil", &Phase::us_oil},
    {"us_ballbearing", &Phase::us_ballbearing}, {"us_railyard", &Phase::us_railyard},
    {"us_shipping", &Phase::us_shipping},       {"us_sub", &Phase::us_sub}};

void check_phase(const Phase& p, const Findings& f) {
  f.outside("win_condition", p.win_condition, 0, 4, "the condition list");
  f.outside("lose_condition", p.lose_condition, 0, 4, "the condition list");
  for (const auto& [name, field] : kUsProduction) {
    f.outside(name, p.*field, 0, 2000, "the range of its slider");
  }
  f.outside("german_production", p.german_production, 0, 255, "the range of its slider");
  f.outside("british_production", p.british_production, 0, 255, "the range of its slider");
  for (std::size_t k = 0; k < p.target_priority.size(); ++k) {
    f.entry("target_priority", k).target_type("", p.target_priority[k]);
  }
}

void check_plane_type(const PlaneType& t, const Findings& f) {
  f.plane_or_none("plane_slot", t.plane_slot);
  f.above("start_phase", t.start_phase, kLastPhase, "the last phase");
  f.above("end_phase", t.end_phase, kLastPhase, "the last phase");
  f.plane_or_none("replacement", t.replacement);
}

// The year and air strength triggers range beyond the one byte the file gives their
// parameter; the editor keeps what a byte holds, but no year fits it and of the strengths only
// 0 does, so any other byte there has a meaning to the game that nobody knows.
void check_event_trigger_param(const SpecialEvent& e, const Findings& f) {
  constexpr int kYearTrigger = 3;
  constexpr int kAlliedStrengthTrigger = 4;
  constexpr int kGermanStrengthTrigger = 5;
  const std::string value = std::to_string(e.trigger_param);
  if (e.trigger == kYearTrigger) {
    f.add("trigger_param", value + " is no year (1940 to 1945): the trigger parameter is one "
                                   "byte, and what the game reads from it is not known");
  } else if ((e.trigger == kAlliedStrengthTrigger || e.trigger == kGermanStrengthTrigger) &&
             e.trigger_param != 0) {
    f.add("trigger_param", value + " is no air strength (0 to 5000 in steps of 500): the trigger "
                                   "parameter is one byte, and what the game reads from it is "
                                   "not known");
  }
}

void check_event(const SpecialEvent& e, const Findings& f) {
  f.outside("type", e.type, 0, 21, "the event type list");
  f.outside("trigger", e.trigger, 0, 7, "the trigger list");
  check_event_trigger_param(e, f);
}

void check_special_mission(const SpecialMission& m, int num_spev, const Findings& f) {
  f.outside("trigger", m.trigger, 0, 9, "the trigger list");
  f.outside("mission_type", m.mission_type, 0, 4, "the mission type list");
  f.above("num_targets", m.num_targets, 8, "the number of target places a special mission holds");
  f.target_type("target_priority", m.target_priority);
  for (std::size_t k = 0; k < in_use(m.num_targets, m.targets.size()); ++k) {
    f.entry("targets", k)
        .outside("", m.targets[k], -1, kLastPlace, "the place list (-1 for none chosen)");
  }
  f.check_box("random_time", m.random_time);
  f.outside("weather", m.weather, 0, 4, "the weather list");
  for (std::size_t k = 0; k < m.brief_view.size(); ++k) {
    f.entry("brief_view", k)
        .outside("", m.brief_view[k], -3, 308, "the speech numbers and the view codes -1 to -3");
    f.entry("standard_speech", k).check_box("", m.standard_speech[k]);
  }
  f.special_event("success_event", m.success_event, num_spev);
  f.special_event("fail_event", m.fail_event, num_spev);
  f.check_box("secondary_flight", m.secondary_flight);
  f.check_box("secondary_same_target", m.secondary_same_target);
  constexpr int kFormations[] = {1940, 1943, 1944, 1945, -2, -1};
  if (std::find(std::begin(kFormations), std::end(kFormations), m.formation) ==
      std::end(kFormations)) {
    f.add("formation",
          std::to_string(m.formation) + " is no formation (1940, 1943, 1944, 1945, -2 or -1)");
  }
}

void check_record(const Campaign& c, const Findings& f) {
  check_setup(c.setup, f.member("setup"));
  for (std::size_t i = 0; i < in_use(c.setup.num_phases, c.phases.size()); ++i) {
    check_phase(c.phases[i], f.entry("phases", i));
  }
  for (std::size_t i = 0; i < in_use(c.setup.num_plane_types, c.plane_types.size()); ++i) {
    check_plane_type(c.plane_types[i], f.entry("plane_types", i));
  }
  f.member("german_forces").outside("quality", c.german_forces.quality, 0, 2, "the quality list");
  f.member("allied_forces").outside("quality", c.allied_forces.quality, 0, 2, "the quality list");
  for (std::size_t i = 0; i < in_use(c.setup.num_spev, c.special_events.size()); ++i) {
    check_event(c.special_events[i], f.entry("special_events", i));
  }
  for (std::size_t i = 0; i < in_use(c.setup.num_spm, c.special_missions.size()); ++i) {
    check_special_mission(c.special_missions[i], c.setup.num_spev, f.entry("special_missions", i));
  }
}

void check_squadron(const Squadron& s, const Findings& f) {
  f.outside("start_year", s.start_year, 1940, 1947, "the year list");
  f.outside("start_month", s.start_month, 0, 11, "the month list");
  f.outside("start_day", s.start_day, 0, 30, "the day list");
  f.outside("home_base", s.home_base, 0, kLastAirfieldOrForwardBase,
            "the airfields and the forward base (162)");
  f.outside("aircraft_type", s.aircraft_type, 0, kLastPlaneType, "the plane list");
  f.outside("num_aircraft", s.num_aircraft, 0, 30, "the range of its spinner");
  f.outside("num_pilots", s.num_pilots, 0, 30, "the range of its spinner");
  f.outside("commencing_phase", s.commencing_phase, 0, kLastPhase, "the range of its spinner");
  f.outside("squadrons_in_group", s.squadrons_in_group, 0, 4, "the range of its spinner");
  f.above("num_moves", s.num_moves, 4, "the number of airfield moves a squadron holds");
  f.above("num_changes", s.num_changes, 4, "the number of aircraft changes a squadron holds");
  for (std::size_t j = 0; j < in_use(s.num_moves, s.moves.size()); ++j) {
    f.entry("moves", j)
        .outside("destination", s.moves[j].destination, 0, kLastAirfieldOrForwardBase,
                 "the airfields and the forward base (162)");
  }
  for (std::size_t j = 0; j < in_use(s.num_changes, s.changes.size()); ++j) {
    f.entry("changes", j)
        .outside("aircraft_type", s.changes[j].aircraft_type, 0, kLastPlaneType, "the plane list");
  }
  for (std::size_t m = 0; m < s.special_missions.size(); ++m) {
    f.entry("special_missions", m).check_box("", s.special_missions[m]);
  }
  for (std::size_t k = 0; k < s.weapons.size(); ++k) {
    const Findings load = f.entry("weapons", k);
    load.outside("weapon", s.weapons[k].weapon, 0, 31, "the weapon list");
    load.outside("phase", s.weapons[k].phase, 0, kLastPhase, "the range of its spinner");
    load.outside("number", s.weapons[k].number, 0, 600, "the range of its spinner");
  }
}

void check_record(const SquadronTable& table, const Findings& f) {
  for (int s = 0; s < table.count; ++s) check_squadron(table.slots[s], f.entry("squadrons", s));
}

void check_record(const Mission& mission, const Findings& f) {
  constexpr std::pair<std::string_view, MissionGroup Mission::*> kGroups[] = {
      {"fighters", &Mission::fighters},
      {"attack", &Mission::attack},
      {"bombers", &Mission::bombers}};
  for (const auto& [name, member] : kGroups) {
    const MissionGroup& group = mission.*member;
    const Findings g = f.member(name);
    g.above("count", group.count, MissionGroup::kRows, "the number of rows a group holds");
    for (std::size_t r = 0; r < in_use(group.count, group.plane_type.size()); ++r) {
      g.entry("plane_type", r)
          .outside("", group.plane_type[r], 0, kLastPlaneType, "the plane list");
    }
  }
}

void check_record(const TargetFile& targets, const Findings& f) {
  for (std::size_t r = 0; r < targets.records.size(); ++r) {
    const Findings record = f.entry("records", r);
    record.outside("place", targets.records[r].place, 0, kLastPlace, "the place list");
    record.outside("airfield", targets.records[r].airfield, 0, kLastAirfieldOrForwardBase,
                   "the airfield numbers (0 for a target that is no airfield)");
  }
}

// A string file holds texts only; reading it is all there is to check.
void check_record(const StringList&, const Findings&) {}

}  // namespace

FieldProblems check_data_file(const DataFile& file) {
  FieldProblems found;
  std::visit([&](const auto& record) { check_record(record, Findings(found, "")); }, file);
  return found;
}

}  // namespace zav::cli
