#pragma once

#include <array>
#include <cstdint>

// The Campaign record: one campaign held in memory, section by section in file order.
namespace zav {

struct CampaignSetup {
  std::int16_t start_year = 0;
  std::uint8_t start_month = 0;
  std::uint8_t start_day = 0;  // day of month minus one
  std::uint8_t brief_language = 0;
  std::uint8_t attack_side = 0;
  std::uint8_t camp_type = 0;  // 0 to 2; the file holds it plus 2
  std::int16_t attack_base = 0;
  std::int16_t attack_capital = 0;
  std::int16_t defend_capital = 0;
  // The file gives the squadron count a whole word; keeping the word means a file whose
  // second byte is not 0 still comes back unchanged.
  std::uint16_t num_sqns = 0;
  std::uint8_t num_spev = 0;
  std::uint8_t num_spm = 0;
  std::uint8_t num_phases = 0;
  std::uint8_t phase_length = 0;
  std::uint8_t days_between_missions = 0;
  std::uint8_t num_plane_types = 0;

  bool operator==(const CampaignSetup&) const = default;
};

struct Phase {
  std::uint8_t win_condition = 0;
  std::uint8_t win_param = 0;
  std::uint8_t lose_condition = 0;
  std::uint8_t lose_param = 0;
  std::int16_t us_aircraft = 0;
  std::int16_t us_arms = 0;
  std::int16_t us_chemical = 0;
  std::int16_t us_oil = 0;
  std::int16_t us_ballbearing = 0;
  std::int16_t us_railyard = 0;
  std::int16_t us_shipping = 0;
  std::int16_t us_sub = 0;
  std::int16_t german_production = 0;
  std::int16_t british_production = 0;
  std::array<std::uint8_t, 8> target_priority{};  // target-type codes

  bool operator==(const Phase&) const = default;
};

struct PlaneType {
  static constexpr std::uint8_t kNone = 255;  // no aircraft, or no replacement

  std::uint8_t plane_slot = 0;
  std::uint8_t start_phase = 0;
  std::uint8_t end_phase = 0;
  std::uint8_t replacement = 0;
  std::int16_t initial_planes = 0;
  std::int16_t production = 0;
  std::int16_t start_points = 0;

  bool operator==(const PlaneType&) const = default;
};

struct SideForces {
  std::uint8_t side = 0;  // kept for the Allied side only; no editor shows it
  std::int16_t air = 0;
  std::int16_t ground = 0;
  std::uint8_t quality = 0;
  std::uint8_t morale = 0;
  std::uint8_t repair = 0;
  std::array<std::int16_t, 8> production{};
  std::array<std::int16_t, 8> factories{};

  bool operator==(const SideForces&) const = default;
};

struct SpecialEvent {
  std::uint8_t type = 0;
  std::uint8_t trigger = 0;
  std::uint8_t trigger_param = 0;
  std::uint8_t chance = 0;
  std::int16_t param1 = 0;
  std::int16_t param2 = 0;

  bool operator==(const SpecialEvent&) const = default;
};

struct SpecialMission {
  static constexpr std::uint8_t kNoEvent = 255;  // success_event, fail_event

  std::uint8_t trigger = 0;  // 0: entry not in use
  std::uint8_t chance = 0;
  std::int16_t trigger_param = 0;
  std::uint8_t mission_type = 0;
  std::uint8_t num_targets = 0;
  std::int16_t target_priority = 0;  // target-type code
  std::array<std::int16_t, 8> targets{};
  std::uint8_t random_time = 0;
  std::uint8_t hour = 0;
  std::uint8_t minute = 0;
  std::uint8_t weather = 0;
  std::array<std::int16_t, 8> brief_view{};
  std::array<std::uint8_t, 8> standard_speech{};
  std::uint8_t success_event = 0;
  std::uint8_t fail_event = 0;
  std::uint8_t secondary_flight = 0;
  std::uint8_t secondary_same_target = 0;
  std::int16_t formation = 0;
  std::int16_t altitude = 0;

  bool operator==(const SpecialMission&) const = default;
};

struct V1Speech {
  std::int16_t v1_attack_speech = 0;
  std::int16_t v1_escort_speech = 0;
  std::int16_t v1_intercept_speech = 0;
  std::int16_t v1_ground_speech = 0;

  bool operator==(const V1Speech&) const = default;

  // The four speech numbers, and their names in the text form, in record order.
  static constexpr std::array<std::int16_t V1Speech::*, 4> kWords = {
      &V1Speech::v1_attack_speech, &V1Speech::v1_escort_speech, &V1Speech::v1_intercept_speech,
      &V1Speech::v1_ground_speech};
  static constexpr std::array<const char*, 4> kNames = {"v1_attack_speech", "v1_escort_speech",
                                                        "v1_intercept_speech", "v1_ground_speech"};
};

struct Campaign {
  static constexpr int kPhases = 25;
  static constexpr int kPlaneTypes = 30;
  static constexpr int kSpecialEvents = 32;
  static constexpr int kSpecialMissions = 32;

  CampaignSetup setup;
  std::array<Phase, kPhases> phases{};
  std::array<PlaneType, kPlaneTypes> plane_types{};
  SideForces german_forces;
  SideForces allied_forces;
  std::array<SpecialEvent, kSpecialEvents> special_events{};
  std::array<SpecialMission, kSpecialMissions> special_missions{};
  V1Speech v1_speech;

  bool operator==(const Campaign&) const = default;
};

}  // namespace zav
