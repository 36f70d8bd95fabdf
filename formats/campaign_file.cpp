#include "campaign_file.h"

#include <string>

#include "byte_layout.h"
#include "file_io.h"

namespace zav {
namespace {

using namespace bytes;

constexpr std::size_t kSetupSize = 28;
constexpr std::size_t kPhasesAt = 28, kPhaseSize = 32;
constexpr std::size_t kPlaneTypesAt = 828, kPlaneTypeSize = 16;
constexpr std::size_t kGermanForcesAt = 1308, kAlliedForcesAt = 1352, kForcesSize = 44;
constexpr std::size_t kSpecialEventsAt = 1396, kSpecialEventSize = 8;
constexpr std::size_t kSpecialMissionsAt = 1652, kSpecialMissionSize = 64;
constexpr std::size_t kV1SpeechAt = 3700, kV1SpeechSize = 8;

// Each section starts where the one before it ends, and the last one ends the file.
static_assert(kPhasesAt == kSetupSize);
static_assert(kPlaneTypesAt == kPhasesAt + Campaign::kPhases * kPhaseSize);
static_assert(kGermanForcesAt == kPlaneTypesAt + Campaign::kPlaneTypes * kPlaneTypeSize);
static_assert(kAlliedForcesAt == kGermanForcesAt + kForcesSize);
static_assert(kSpecialEventsAt == kAlliedForcesAt + kForcesSize);
static_assert(kSpecialMissionsAt ==
              kSpecialEventsAt + Campaign::kSpecialEvents * kSpecialEventSize);
static_assert(kV1SpeechAt == kSpecialMissionsAt + Campaign::kSpecialMissions * kSpecialMissionSize);
static_assert(kV1SpeechAt + kV1SpeechSize == kCampaignFileSize);

constexpr std::uint8_t kCampTypeBias = 2;
constexpr std::uint8_t kZeroMarker = 0x80;   // stands before a language or side of 0
constexpr std::uint16_t kZeroWord = 0xFFFF;  // how altitude and V-1 speech store 0

using In = std::span<const std::uint8_t>;
using Out = std::span<std::uint8_t>;

// A word whose stored FF FF means 0.
std::int16_t read_ff_zero(In b, std::size_t at) {
  return u16(b, at) == kZeroWord ? 0 : i16(b, at);
}

void write_ff_zero(Out b, std::size_t at, std::int16_t v) {
  if (v == 0) {
    put_u16(b, at, kZeroWord);
  } else {
    put_i16(b, at, v);
  }
}

// Offsets 4 and 8 hold a four-byte group: 80 00 00 00 for 0, 00 v 00 00 otherwise.
void write_marked_byte(Out b, std::size_t at, std::uint8_t v) {
  put_u8(b, at, v == 0 ? kZeroMarker : 0);
  put_u8(b, at + 1, v);
}

CampaignSetup read_setup(In b) {
  CampaignSetup s;
  s.start_year = i16(b, 0);
  s.start_month = u8(b, 2);
  s.start_day = u8(b, 3);
  s.brief_language = u8(b, 5);
  s.attack_side = u8(b, 9);
  // The game writes 2 to 4; a 0 or 1 is taken as it stands.
  const std::uint8_t type = u8(b, 12);
  s.camp_type = type >= kCampTypeBias ? static_cast<std::uint8_t>(type - kCampTypeBias) : type;
  s.attack_base = i16(b, 14);
  s.attack_capital = i16(b, 16);
  s.defend_capital = i16(b, 18);
  s.num_sqns = u16(b, 20);
  s.num_spev = u8(b, 22);
  s.num_spm = u8(b, 23);
  s.num_phases = u8(b, 24);
  s.phase_length = u8(b, 25);
  s.days_between_missions = u8(b, 26);
  s.num_plane_types = u8(b, 27);
  return s;
}

void write_setup(Out b, const CampaignSetup& s) {
  put_i16(b, 0, s.start_year);
  put_u8(b, 2, s.start_month);
  put_u8(b, 3, s.start_day);
  write_marked_byte(b, 4, s.brief_language);
  write_marked_byte(b, 8, s.attack_side);
  put_u8(b, 12, static_cast<std::uint8_t>(s.camp_type + kCampTypeBias));
  put_i16(b, 14, s.attack_base);
  put_i16(b, 16, s.attack_capital);
  put_i16(b, 18, s.defend_capital);
  put_u16(b, 20, s.num_sqns);
  put_u8(b, 22, s.num_spev);
  put_u8(b, 23, s.num_spm);
  put_u8(b, 24, s.num_phases);
  put_u8(b, 25, s.phase_length);
  put_u8(b, 26, s.days_between_missions);
  put_u8(b, 27, s.num_plane_types);
}

// The fourteen leading fields of a phase: four bytes, then ten words.
constexpr std::int16_t Phase::*kPhaseWords[] = {
    &Phase::us_aircraft,       &Phase::us_arms,           &Phase::us_chemical, &Phase::us_oil,
    &Phase::us_ballbearing,    &Phase::us_railyard,       &Phase::us_shipping, &Phase::us_sub,
    &Phase::german_production, &Phase::british_production};

Phase read_phase(In b) {
  Phase p;
  p.win_condition = u8(b, 0);
  p.win_param = u8(b, 1);
  p.lose_condition = u8(b, 2);
  p.lose_param = u8(b, 3);
  std::size_t at = 4;
  for (auto field : kPhaseWords) {
    p.*field = i16(b, at);
    at += 2;
  }
  for (std::size_t i = 0; i < 8; ++i) p.target_priority[i] = u8(b, 24 + i);
  return p;
}

void write_phase(Out b, const Phase& p) {
  put_u8(b, 0, p.win_condition);
  put_u8(b, 1, p.win_param);
  put_u8(b, 2, p.lose_condition);
  put_u8(b, 3, p.lose_param);
  std::size_t at = 4;
  for (auto field : kPhaseWords) {
    put_i16(b, at, p.*field);
    at += 2;
  }
  for (std::size_t i = 0; i < 8; ++i) put_u8(b, 24 + i, p.target_priority[i]);
}

PlaneType read_plane_type(In b) {
  PlaneType t;
  t.plane_slot = u8(b, 0);
  t.start_phase = u8(b, 1);
  t.end_phase = u8(b, 2);
  t.replacement = u8(b, 3);
  t.initial_planes = i16(b, 4);
  t.production = i16(b, 8);
  t.start_points = i16(b, 12);
  return t;
}

void write_plane_type(Out b, const PlaneType& t) {
  put_u8(b, 0, t.plane_slot);
  put_u8(b, 1, t.start_phase);
  put_u8(b, 2, t.end_phase);
  put_u8(b, 3, t.replacement);
  put_i16(b, 4, t.initial_planes);
  put_i16(b, 8, t.production);
  put_i16(b, 12, t.start_points);
}

// The side group (offsets 0 to 3) is read and written by the callers: the two sides differ.
SideForces read_forces(In b) {
  SideForces f;
  f.air = i16(b, 4);
  f.ground = i16(b, 6);
  f.quality = u8(b, 8);
  f.morale = u8(b, 9);
  f.repair = u8(b, 10);
  for (std::size_t i = 0; i < 8; ++i) {
    f.production[i] = i16(b, 12 + 2 * i);
    f.factories[i] = i16(b, 28 + 2 * i);
  }
  return f;
}

void write_forces(Out b, const SideForces& f) {
  put_i16(b, 4, f.air);
  put_i16(b, 6, f.ground);
  put_u8(b, 8, f.quality);
  put_u8(b, 9, f.morale);
  put_u8(b, 10, f.repair);
  for (std::size_t i = 0; i < 8; ++i) {
    put_i16(b, 12 + 2 * i, f.production[i]);
    put_i16(b, 28 + 2 * i, f.factories[i]);
  }
}

SpecialEvent read_event(In b) {
  return {u8(b, 0), u8(b, 1), u8(b, 2), u8(b, 3), i16(b, 4), i16(b, 6)};
}

void write_event(Out b, const SpecialEvent& e) {
  put_u8(b, 0, e.type);
  put_u8(b, 1, e.trigger);
  put_u8(b, 2, e.trigger_param);
  put_u8(b, 3, e.chance);
  put_i16(b, 4, e.param1);
  put_i16(b, 6, e.param2);
}

SpecialMission read_mission(In b) {
  SpecialMission m;
  m.trigger = u8(b, 0);
  m.chance = u8(b, 1);
  m.trigger_param = i16(b, 2);
  m.mission_type = u8(b, 4);
  m.num_targets = u8(b, 5);
  m.target_priority = i16(b, 6);
  for (std::size_t i = 0; i < 8; ++i) {
    m.targets[i] = i16(b, 8 + 2 * i);
    m.brief_view[i] = i16(b, 28 + 2 * i);
    m.standard_speech[i] = u8(b, 44 + i);
  }
  m.random_time = u8(b, 24);
  m.hour = u8(b, 25);
  m.minute = u8(b, 26);
  m.weather = u8(b, 27);
  m.success_event = u8(b, 52);
  m.fail_event = u8(b, 54);
  m.secondary_flight = u8(b, 56);
  m.secondary_same_target = u8(b, 58);
  m.formation = i16(b, 60);
  m.altitude = read_ff_zero(b, 62);
  return m;
}

void write_event_number(Out b, std::size_t at, std::uint8_t event) {
  put_u8(b, at, event);
  put_u8(b, at + 1, event == SpecialMission::kNoEvent ? 0xFF : 0);
}

void write_mission(Out b, const SpecialMission& m) {
  put_u8(b, 0, m.trigger);
  put_u8(b, 1, m.chance);
  put_i16(b, 2, m.trigger_param);
  put_u8(b, 4, m.mission_type);
  put_u8(b, 5, m.num_targets);
  put_i16(b, 6, m.target_priority);
  for (std::size_t i = 0; i < 8; ++i) {
    put_i16(b, 8 + 2 * i, m.targets[i]);
    put_i16(b, 28 + 2 * i, m.brief_view[i]);
    put_u8(b, 44 + i, m.standard_speech[i]);
  }
  put_u8(b, 24, m.random_time);
  put_u8(b, 25, m.hour);
  put_u8(b, 26, m.minute);
  put_u8(b, 27, m.weather);
  write_event_number(b, 52, m.success_event);
  write_event_number(b, 54, m.fail_event);
  put_u8(b, 56, m.secondary_flight);
  put_u8(b, 58, m.secondary_same_target);
  put_i16(b, 60, m.formation);
  // An entry not in use carries no altitude at all.
  if (m.trigger == 0) {
    put_u16(b, 62, 0);
  } else {
    write_ff_zero(b, 62, m.altitude);
  }
}

constexpr std::int16_t V1Speech::*kV1Words[] = {
    &V1Speech::v1_attack_speech, &V1Speech::v1_escort_speech, &V1Speech::v1_intercept_speech,
    &V1Speech::v1_ground_speech};
constexpr const char* kV1Names[] = {"v1_attack_speech", "v1_escort_speech", "v1_intercept_speech",
                                    "v1_ground_speech"};

}  // namespace

Campaign decode_campaign(std::span<const std::uint8_t, kCampaignFileSize> image) {
  const In b(image);
  Campaign c;
  c.setup = read_setup(b.first(kSetupSize));
  for (std::size_t i = 0; i < c.phases.size(); ++i) {
    c.phases[i] = read_phase(b.subspan(kPhasesAt + i * kPhaseSize, kPhaseSize));
  }
  for (std::size_t i = 0; i < c.plane_types.size(); ++i) {
    c.plane_types[i] =
        read_plane_type(b.subspan(kPlaneTypesAt + i * kPlaneTypeSize, kPlaneTypeSize));
  }
  c.german_forces = read_forces(b.subspan(kGermanForcesAt, kForcesSize));
  c.allied_forces = read_forces(b.subspan(kAlliedForcesAt, kForcesSize));
  c.allied_forces.side = u8(b, kAlliedForcesAt + 1);
  for (std::size_t i = 0; i < c.special_events.size(); ++i) {
    c.special_events[i] =
        read_event(b.subspan(kSpecialEventsAt + i * kSpecialEventSize, kSpecialEventSize));
  }
  for (std::size_t i = 0; i < c.special_missions.size(); ++i) {
    c.special_missions[i] =
        read_mission(b.subspan(kSpecialMissionsAt + i * kSpecialMissionSize, kSpecialMissionSize));
  }
  for (std::size_t i = 0; i < 4; ++i)
    c.v1_speech.*kV1Words[i] = read_ff_zero(b, kV1SpeechAt + 2 * i);
  return c;
}

FieldProblems campaign_problems(const Campaign& c) {
  FieldProblems problems;
  if (c.setup.camp_type > 255 - kCampTypeBias) {
    problems.push_back({"setup.camp_type", std::to_string(c.setup.camp_type) +
                                               " does not fit the file's byte once 2 is added"});
  }
  for (std::size_t i = 0; i < c.special_missions.size(); ++i) {
    const SpecialMission& m = c.special_missions[i];
    if (m.trigger != 0 && m.altitude == -1) {
      problems.push_back({"special_missions[" + std::to_string(i) + "].altitude",
                          "-1 has no file form: its bytes FF FF mean 0"});
    }
  }
  for (std::size_t i = 0; i < 4; ++i) {
    if (c.v1_speech.*kV1Words[i] == -1) {
      problems.push_back(
          {std::string("v1_speech.") + kV1Names[i], "-1 has no file form: its bytes FF FF mean 0"});
    }
  }
  return problems;
}

CampaignImage encode_campaign(const Campaign& c) {
  CampaignImage image{};
  const Out b(image);
  write_setup(b.first(kSetupSize), c.setup);
  for (std::size_t i = 0; i < c.phases.size(); ++i) {
    write_phase(b.subspan(kPhasesAt + i * kPhaseSize, kPhaseSize), c.phases[i]);
  }
  for (std::size_t i = 0; i < c.plane_types.size(); ++i) {
    write_plane_type(b.subspan(kPlaneTypesAt + i * kPlaneTypeSize, kPlaneTypeSize),
                     c.plane_types[i]);
  }
  put_u8(b, kGermanForcesAt, kZeroMarker);  // the German group is always 80 00 00 00
  write_forces(b.subspan(kGermanForcesAt, kForcesSize), c.german_forces);
  put_u8(b, kAlliedForcesAt + 1, c.allied_forces.side);
  write_forces(b.subspan(kAlliedForcesAt, kForcesSize), c.allied_forces);
  for (std::size_t i = 0; i < c.special_events.size(); ++i) {
    write_event(b.subspan(kSpecialEventsAt + i * kSpecialEventSize, kSpecialEventSize),
                c.special_events[i]);
  }
  for (std::size_t i = 0; i < c.special_missions.size(); ++i) {
    write_mission(b.subspan(kSpecialMissionsAt + i * kSpecialMissionSize, kSpecialMissionSize),
                  c.special_missions[i]);
  }
  for (std::size_t i = 0; i < 4; ++i)
    write_ff_zero(b, kV1SpeechAt + 2 * i, c.v1_speech.*kV1Words[i]);
  return image;
}

Result<Campaign> load_campaign(const std::filesystem::path& path) {
  Result<FileStart> file = read_file_start(path, kCampaignFileSize);
  if (!file) return file.error();
  const Bytes& b = file.value().bytes;
  if (b.size() < kCampaignFileSize) {
    return FileError{path, "is not a campaign file: it has " + std::to_string(b.size()) +
                               " bytes, a campaign has 3708"};
  }
  return decode_campaign(
      std::span<const std::uint8_t, kCampaignFileSize>(b.data(), kCampaignFileSize));
}

std::optional<FileError> save_campaign(const std::filesystem::path& path, const Campaign& c) {
  const FieldProblems problems = campaign_problems(c);
  if (!problems.empty()) return FileError{path, "cannot be saved: " + problems.front().message()};
  const CampaignImage image = encode_campaign(c);
  return write_file_replacing(path, image);
}

}  // namespace zav
