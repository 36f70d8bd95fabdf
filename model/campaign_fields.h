#pragma once

#include <cstddef>
#include <cstdint>

#include "formats/campaign.h"
#include "formats/squadron.h"
#include "model/event_layouts.h"
#include "model/mission_triggers.h"
#include "model/name_list_ranges.h"
#include "model/record_field.h"

// The fields of the Campaign record, section by section in record order (naming:
// model/record_field.h).
namespace zav {

// A phase's win or lose parameter: its slider runs 0 to 255, but only to the phase length
// while the paired condition is "Date".
struct ConditionParameter {
  static constexpr int low = 0;
  static constexpr int high = 255;
  static constexpr int kDate = 1;  // the position of "Date" in the condition list

  std::uint8_t Phase::*condition;
};

// A special event's type and trigger: lists of the layouts' texts (model/event_layouts.h).
struct EventTypeList : Range {};
struct EventTriggerList : Range {};

// A special mission's trigger list, of the triggers' texts (model/mission_triggers.h).
struct MissionTriggerList : Range {};

// A special event's trigger parameter: one byte, though some triggers (a year, an air
// strength) range beyond it; the trigger's layout says.
struct EventTriggerParameter {
  static constexpr int low = 0;
  static constexpr int high = 255;
};

// A special event's parameter: what the event's type makes of it, and its range, is the
// type's layout's; the editor starts from a byte's.
struct EventParameter {
  static constexpr int low = 0;
  static constexpr int high = 255;
};

// The special event a special mission starts, 1 to num_spev: its spin runs 0 to 32, and 0,
// none, is stored as 255.
struct SpecialEventNumber {
  static constexpr int low = 0;
  static constexpr int high = Campaign::kSpecialEvents;
  static constexpr int none = SpecialMission::kNoEvent;
};

namespace fields {

// Setup (the setup editor's lists and spins).
inline constexpr Field setup_start_year{"start_year", &CampaignSetup::start_year,
                                        Numbered{{1940, 1946, "the year list"}, 1940}};
inline constexpr Field setup_start_month{"start_month", &CampaignSetup::start_month, kMonthList};
inline constexpr Field setup_start_day{"start_day", &CampaignSetup::start_day, kDayList};
inline constexpr Field setup_brief_language{
    "brief_language", &CampaignSetup::brief_language,
    Listed<3>{{0, 2, "the language list"}, {"German", "British", "American"}}};
inline constexpr Field setup_attack_side{
    "attack_side", &CampaignSetup::attack_side,
    Listed<3>{{0, 2, "the side list"}, {"Germany", "Britain", "America/Allies"}}};
inline constexpr Field setup_camp_type{
    "camp_type", &CampaignSetup::camp_type,
    Listed<3>{{0, 2, "the campaign type list"},
              {"1940 Style (0200)", "1943 Style (0300)", "1944 Style (0400)"}}};
inline constexpr Field setup_attack_base{"attack_base", &CampaignSetup::attack_base, kPlaceList};
inline constexpr Field setup_attack_capital{"attack_capital", &CampaignSetup::attack_capital,
                                            kPlaceList};
inline constexpr Field setup_defend_capital{"defend_capital", &CampaignSetup::defend_capital,
                                            kPlaceList};
inline constexpr Field setup_num_sqns{"num_sqns", &CampaignSetup::num_sqns,
                                      Range{1, SquadronTable::kMaxSquadrons, kSpinner}};
inline constexpr Field setup_num_spev{
    "num_spev", &CampaignSetup::num_spev,
    Limit{Campaign::kSpecialEvents, "the number of special events a campaign holds"}};
inline constexpr Field setup_num_spm{
    "num_spm", &CampaignSetup::num_spm,
    Limit{Campaign::kSpecialMissions, "the number of special missions a campaign holds"}};
inline constexpr Field setup_num_phases{"num_phases", &CampaignSetup::num_phases,
                                        Range{1, Campaign::kPhases, kSpinner}};
inline constexpr Field setup_phase_length{"phase_length", &CampaignSetup::phase_length,
                                          Range{1, 50, kSpinner}};
inline constexpr Field setup_days_between_missions{
    "days_between_missions", &CampaignSetup::days_between_missions, Range{1, 255, kSpinner}};
inline constexpr Field setup_num_plane_types{"num_plane_types", &CampaignSetup::num_plane_types,
                                             Range{1, Campaign::kPlaneTypes, kSpinner}};

inline constexpr auto setup_fields = field_list(
    setup_start_year, setup_start_month, setup_start_day, setup_brief_language, setup_attack_side,
    setup_camp_type, setup_attack_base, setup_attack_capital, setup_defend_capital, setup_num_sqns,
    setup_num_spev, setup_num_spm, setup_num_phases, setup_phase_length,
    setup_days_between_missions, setup_num_plane_types);

// Phases (the phases editor).
inline constexpr Listed<5> kConditionList{
    {0, 4, "the condition list"},
    {"No Specific", "Date", "Target", "Air Superiority", "Player Rating"}};
inline constexpr Range kUsProduction{0, 2000, kSlider};

inline constexpr Field phase_win_condition{"win_condition", &Phase::win_condition, kConditionList};
inline constexpr Field phase_win_param{"win_param", &Phase::win_param,
                                       ConditionParameter{&Phase::win_condition}};
inline constexpr Field phase_lose_condition{"lose_condition", &Phase::lose_condition,
                                            kConditionList};
inline constexpr Field phase_lose_param{"lose_param", &Phase::lose_param,
                                        ConditionParameter{&Phase::lose_condition}};
inline constexpr Field phase_us_aircraft{"us_aircraft", &Phase::us_aircraft, kUsProduction};
inline constexpr Field phase_us_arms{"us_arms", &Phase::us_arms, kUsProduction};
inline constexpr Field phase_us_chemical{"us_chemical", &Phase::us_chemical, kUsProduction};
inline constexpr Field phase_us_oil{"us_oil", &Phase::us_oil, kUsProduction};
inline constexpr Field phase_us_ballbearing{"us_ballbearing", &Phase::us_ballbearing,
                                            kUsProduction};
inline constexpr Field phase_us_railyard{"us_railyard", &Phase::us_railyard, kUsProduction};
inline constexpr Field phase_us_shipping{"us_shipping", &Phase::us_shipping, kUsProduction};
inline constexpr Field phase_us_sub{"us_sub", &Phase::us_sub, kUsProduction};
inline constexpr Field phase_german_production{"german_production", &Phase::german_production,
                                               kByteSlider};
inline constexpr Field phase_british_production{"british_production", &Phase::british_production,
                                                kByteSlider};
inline constexpr Field phase_target_priority{"target_priority", &Phase::target_priority,
                                             TargetTypeCode{}};

inline constexpr auto phase_fields =
    field_list(phase_win_condition, phase_win_param, phase_lose_condition, phase_lose_param,
               phase_us_aircraft, phase_us_arms, phase_us_chemical, phase_us_oil,
               phase_us_ballbearing, phase_us_railyard, phase_us_shipping, phase_us_sub,
               phase_german_production, phase_british_production, phase_target_priority);

// Plane types (the plane types editor).
inline constexpr Limit kLastPhase{Campaign::kPhases, "the last phase"};
inline constexpr Range kPlaneCount{0, 5000, kSpinner, 10};
inline constexpr Range kStartPoints{0, 5000, kSpinner, 100};

inline constexpr Field plane_type_plane_slot{"plane_slot", &PlaneType::plane_slot,
                                             kPlaneOrNoAircraft};
inline constexpr Field plane_type_start_phase{"start_phase", &PlaneType::start_phase, kLastPhase};
inline constexpr Field plane_type_end_phase{"end_phase", &PlaneType::end_phase, kLastPhase};
inline constexpr Field plane_type_replacement{"replacement", &PlaneType::replacement,
                                              kPlaneOrNoReplacement};
inline constexpr Field plane_type_initial_planes{"initial_planes", &PlaneType::initial_planes,
                                                 kPlaneCount};
inline constexpr Field plane_type_production{"production", &PlaneType::production, kPlaneCount};
inline constexpr Field plane_type_start_points{"start_points", &PlaneType::start_points,
                                               kStartPoints};

inline constexpr auto plane_type_fields = field_list(
    plane_type_plane_slot, plane_type_start_phase, plane_type_end_phase, plane_type_replacement,
    plane_type_initial_planes, plane_type_production, plane_type_start_points);

// Side forces (the German and Allied forces editors). The strength and factory boxes store
// what is typed, beyond their spins' ranges.
inline constexpr Field side_forces_side{"side", &SideForces::side};
inline constexpr Field side_forces_air{"air", &SideForces::air, TypedSpin{0, 5000}};
inline constexpr Field side_forces_ground{"ground", &SideForces::ground, TypedSpin{0, 5000}};
inline constexpr Field side_forces_quality{
    "quality", &SideForces::quality,
    Listed<3>{{0, 2, "the quality list"}, {"New", "Seasoned", "Expert"}}};
inline constexpr Field side_forces_morale{"morale", &SideForces::morale, kByteSlider};
inline constexpr Field side_forces_repair{"repair", &SideForces::repair, kByteSlider};
inline constexpr Field side_forces_production{"production", &SideForces::production,
                                              Range{0, 5000, kSlider}};
inline constexpr Field side_forces_factories{"factories", &SideForces::factories, TypedSpin{0, 50}};

// What both editors show; the German entry keeps no `side` in the file.
inline constexpr auto side_forces_fields =
    field_list(side_forces_air, side_forces_ground, side_forces_quality, side_forces_morale,
               side_forces_repair, side_forces_production, side_forces_factories);
inline constexpr auto allied_side_forces_fields =
    std::tuple_cat(field_list(side_forces_side), side_forces_fields);

// Special events (the special events editor). The parameters' ranges change with the type and
// the trigger; their boxes store any number the field holds.
inline constexpr Field special_event_type{
    "type", &SpecialEvent::type, EventTypeList{{0, kEventTypeCount - 1, "the event type list"}}};
inline constexpr Field special_event_trigger{
    "trigger", &SpecialEvent::trigger,
    EventTriggerList{{0, kEventTriggerCount - 1, "the trigger list"}}};
inline constexpr Field special_event_trigger_param{"trigger_param", &SpecialEvent::trigger_param,
                                                   EventTriggerParameter{}};
inline constexpr Field special_event_chance{"chance", &SpecialEvent::chance, kByteSlider};
inline constexpr Field special_event_param1{"param1", &SpecialEvent::param1, EventParameter{}};
inline constexpr Field special_event_param2{"param2", &SpecialEvent::param2, EventParameter{}};

inline constexpr auto special_event_fields =
    field_list(special_event_type, special_event_trigger, special_event_trigger_param,
               special_event_chance, special_event_param1, special_event_param2);

// Special missions (the special missions editor).
inline constexpr Field special_mission_trigger{
    "trigger", &SpecialMission::trigger,
    MissionTriggerList{{0, int(kMissionTriggers.size()) - 1, "the trigger list"}}};
inline constexpr Field special_mission_chance{"chance", &SpecialMission::chance, kByteSlider};
inline constexpr Field special_mission_trigger_param{"trigger_param",
                                                     &SpecialMission::trigger_param};
inline constexpr Field special_mission_mission_type{
    "mission_type", &SpecialMission::mission_type,
    Listed<5>{{0, 4, "the mission type list"},
              {"Escort", "Sweep", "Bomb", "Intercept", "Interdict"}}};
inline constexpr Field special_mission_num_targets{
    "num_targets", &SpecialMission::num_targets,
    Limit{8, "the number of target places a special mission holds"}};
inline constexpr Field special_mission_target_priority{
    "target_priority", &SpecialMission::target_priority, TargetTypeOrNone{}};
inline constexpr Field special_mission_targets{
    "targets", &SpecialMission::targets,
    PlaceOrNone{{{-1, kPlaceList.high, "the place list (-1 for none chosen)"}, Names::places}},
    [](const SpecialMission& m) -> std::size_t { return m.num_targets; }};
inline constexpr Field special_mission_random_time{"random_time", &SpecialMission::random_time,
                                                   kCheckBox};
inline constexpr Field special_mission_hour{"hour", &SpecialMission::hour, Range{0, 23, kSpinner}};
inline constexpr Field special_mission_minute{"minute", &SpecialMission::minute,
                                              Range{0, 59, kSpinner}};
inline constexpr Field special_mission_weather{
    "weather", &SpecialMission::weather,
    Listed<5>{{0, 4, "the weather list"},
              {"Random", "Clear", "Partly Cloudy", "Heavy Clouds", "Overcast (?)"}}};
// A speech number, or -1, -2, -3 for the three view options.
inline constexpr Field special_mission_brief_view{
    "brief_view", &SpecialMission::brief_view,
    Range{-3, 308, "the speech numbers and the view codes -1 to -3"}};
inline constexpr Field special_mission_standard_speech{"standard_speech",
                                                       &SpecialMission::standard_speech, kCheckBox};
inline constexpr Field special_mission_success_event{
    "success_event", &SpecialMission::success_event, SpecialEventNumber{}};
inline constexpr Field special_mission_fail_event{"fail_event", &SpecialMission::fail_event,
                                                  SpecialEventNumber{}};
inline constexpr Field special_mission_secondary_flight{
    "secondary_flight", &SpecialMission::secondary_flight, kCheckBox};
inline constexpr Field special_mission_secondary_same_target{
    "secondary_same_target", &SpecialMission::secondary_same_target, kCheckBox};
inline constexpr Field special_mission_formation{
    "formation", &SpecialMission::formation,
    Choices<6>{
        {1940, 1943, 1944, 1945, -2, -1},
        "is no formation (1940, 1943, 1944, 1945, -2 or -1)",
        {"1940 type", "1943 type", "1944 type", "1945 type", "2 PLANE FORMATION", "??? (FF FF)"}}};
inline constexpr Field special_mission_altitude{"altitude", &SpecialMission::altitude,
                                                TypedSpin{0, 30000, 1000}};

inline constexpr auto special_mission_fields = field_list(
    special_mission_trigger, special_mission_chance, special_mission_trigger_param,
    special_mission_mission_type, special_mission_num_targets, special_mission_target_priority,
    special_mission_targets, special_mission_random_time, special_mission_hour,
    special_mission_minute, special_mission_weather, special_mission_brief_view,
    special_mission_standard_speech, special_mission_success_event, special_mission_fail_event,
    special_mission_secondary_flight, special_mission_secondary_same_target,
    special_mission_formation, special_mission_altitude);

// V-1 mission speech (the V-1 speech editor).
inline constexpr Range kSpeechNumber{0, 308, kSpinner};

// Their names stand beside the record, where the campaign file's problems name them too.
inline constexpr Field v1_speech_v1_attack_speech{V1Speech::kNames[0], V1Speech::kWords[0],
                                                  kSpeechNumber};
inline constexpr Field v1_speech_v1_escort_speech{V1Speech::kNames[1], V1Speech::kWords[1],
                                                  kSpeechNumber};
inline constexpr Field v1_speech_v1_intercept_speech{V1Speech::kNames[2], V1Speech::kWords[2],
                                                     kSpeechNumber};
inline constexpr Field v1_speech_v1_ground_speech{V1Speech::kNames[3], V1Speech::kWords[3],
                                                  kSpeechNumber};

inline constexpr auto v1_speech_fields =
    field_list(v1_speech_v1_attack_speech, v1_speech_v1_escort_speech,
               v1_speech_v1_intercept_speech, v1_speech_v1_ground_speech);

// The whole record. The setup's counts say how many entries of each table are in use.
inline constexpr Field campaign_setup{"setup", &Campaign::setup, Nested{setup_fields}};
inline constexpr Field campaign_phases{
    "phases", &Campaign::phases, Nested{phase_fields},
    [](const Campaign& c) -> std::size_t { return c.setup.num_phases; }};
inline constexpr Field campaign_plane_types{
    "plane_types", &Campaign::plane_types, Nested{plane_type_fields},
    [](const Campaign& c) -> std::size_t { return c.setup.num_plane_types; }};
inline constexpr Field campaign_german_forces{"german_forces", &Campaign::german_forces,
                                              Nested{side_forces_fields}};
inline constexpr Field campaign_allied_forces{"allied_forces", &Campaign::allied_forces,
                                              Nested{allied_side_forces_fields}};
inline constexpr Field campaign_special_events{
    "special_events", &Campaign::special_events, Nested{special_event_fields},
    [](const Campaign& c) -> std::size_t { return c.setup.num_spev; }};
inline constexpr Field campaign_special_missions{
    "special_missions", &Campaign::special_missions, Nested{special_mission_fields},
    [](const Campaign& c) -> std::size_t { return c.setup.num_spm; }};
inline constexpr Field campaign_v1_speech{"v1_speech", &Campaign::v1_speech,
                                          Nested{v1_speech_fields}};

inline constexpr auto campaign_fields = field_list(
    campaign_setup, campaign_phases, campaign_plane_types, campaign_german_forces,
    campaign_allied_forces, campaign_special_events, campaign_special_missions, campaign_v1_speech);

}  // namespace fields
}  // namespace zav
