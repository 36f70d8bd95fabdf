#include "campaign_file.h"

#include <array>
#include <string>

#include "byte_layout.h"
#include "file_io.h"

namespace zav {
namespace {

using layout::Byte;
using layout::FFFFForZero;
using layout::In;
using layout::MarkedByte;
using layout::NoVariant;
using layout::Out;
using layout::SignedWord;
using layout::slot;
using layout::Word;

constexpr int kCampTypeBias = 2;  // the game writes the campaign types 0 to 2 as 2 to 4

constexpr std::array kSetup{slot<SignedWord, &CampaignSetup::start_year>(0),
                            slot<Byte, &CampaignSetup::start_month>(2),
                            slot<Byte, &CampaignSetup::start_day>(3),
                            slot<MarkedByte, &CampaignSetup::brief_language>(4),
                            slot<MarkedByte, &CampaignSetup::attack_side>(8),
                            slot<layout::BiasedByte<kCampTypeBias>, &CampaignSetup::camp_type>(12),
                            slot<SignedWord, &CampaignSetup::attack_base>(14),
                            slot<SignedWord, &CampaignSetup::attack_capital>(16),
                            slot<SignedWord, &CampaignSetup::defend_capital>(18),
                            slot<Word, &CampaignSetup::num_sqns>(20),
                            slot<Byte, &CampaignSetup::num_spev>(22),
                            slot<Byte, &CampaignSetup::num_spm>(23),
                            slot<Byte, &CampaignSetup::num_phases>(24),
                            slot<Byte, &CampaignSetup::phase_length>(25),
                            slot<Byte, &CampaignSetup::days_between_missions>(26),
                            slot<Byte, &CampaignSetup::num_plane_types>(27)};

constexpr std::array kPhase{slot<Byte, &Phase::win_condition>(0),
                            slot<Byte, &Phase::win_param>(1),
                            slot<Byte, &Phase::lose_condition>(2),
                            slot<Byte, &Phase::lose_param>(3),
                            slot<SignedWord, &Phase::us_aircraft>(4),
                            slot<SignedWord, &Phase::us_arms>(6),
                            slot<SignedWord, &Phase::us_chemical>(8),
                            slot<SignedWord, &Phase::us_oil>(10),
                            slot<SignedWord, &Phase::us_ballbearing>(12),
                            slot<SignedWord, &Phase::us_railyard>(14),
                            slot<SignedWord, &Phase::us_shipping>(16),
                            slot<SignedWord, &Phase::us_sub>(18),
                            slot<SignedWord, &Phase::german_production>(20),
                            slot<SignedWord, &Phase::british_production>(22),
                            slot<Byte, &Phase::target_priority>(24)};

constexpr std::array kPlaneType{slot<Byte, &PlaneType::plane_slot>(0),
                                slot<Byte, &PlaneType::start_phase>(1),
                                slot<Byte, &PlaneType::end_phase>(2),
                                slot<Byte, &PlaneType::replacement>(3),
                                slot<SignedWord, &PlaneType::initial_planes>(4),
                                slot<SignedWord, &PlaneType::production>(8),
                                slot<SignedWord, &PlaneType::start_points>(12)};

// Both sides share the forces from offset 4; the side group before them differs.
constexpr std::array kForces{
    slot<SignedWord, &SideForces::air>(4),       slot<SignedWord, &SideForces::ground>(6),
    slot<Byte, &SideForces::quality>(8),         slot<Byte, &SideForces::morale>(9),
    slot<Byte, &SideForces::repair>(10),         slot<SignedWord, &SideForces::production>(12),
    slot<SignedWord, &SideForces::factories>(28)};
// The German side group is always 80 00 00 00.
struct GermanSideGroup {
  static void read(SideForces&, In, NoVariant) {}
  static void write(const SideForces&, Out b, NoVariant) { MarkedByte::write(b, 0); }
};
constexpr auto kGermanSideGroup = layout::ruled<GermanSideGroup, SideForces>(0, 4);
constexpr auto kGermanForces = layout::join(kForces, std::array{kGermanSideGroup});
constexpr auto kAlliedForces = layout::join(kForces, std::array{slot<Byte, &SideForces::side>(1)});

constexpr std::array kSpecialEvent{
    slot<Byte, &SpecialEvent::type>(0),          slot<Byte, &SpecialEvent::trigger>(1),
    slot<Byte, &SpecialEvent::trigger_param>(2), slot<Byte, &SpecialEvent::chance>(3),
    slot<SignedWord, &SpecialEvent::param1>(4),  slot<SignedWord, &SpecialEvent::param2>(6)};

// A special event's number, then FF for none (255) or 00.
struct EventNumber {
  static constexpr std::size_t width = 2;
  static int read(In b) { return b[0]; }
  static void write(Out b, int v) {
    b[0] = static_cast<std::uint8_t>(v);
    b[1] = v == SpecialMission::kNoEvent ? 0xFF : 0;
  }
};
// An entry not in use carries no altitude at all: 00 00.
struct Altitude {
  static void read(SpecialMission& m, In b, NoVariant) {
    m.altitude = static_cast<std::int16_t>(FFFFForZero::read(b));
  }
  static void write(const SpecialMission& m, Out b, NoVariant) {
    if (m.trigger == 0) {
      layout::put_u16(b, 0, 0);
    } else {
      FFFFForZero::write(b, m.altitude);
    }
  }
};
constexpr auto kAltitude = layout::ruled<Altitude, SpecialMission>(62, 2);

constexpr std::array kSpecialMission{slot<Byte, &SpecialMission::trigger>(0),
                                     slot<Byte, &SpecialMission::chance>(1),
                                     slot<SignedWord, &SpecialMission::trigger_param>(2),
                                     slot<Byte, &SpecialMission::mission_type>(4),
                                     slot<Byte, &SpecialMission::num_targets>(5),
                                     slot<SignedWord, &SpecialMission::target_priority>(6),
                                     slot<SignedWord, &SpecialMission::targets>(8),
                                     slot<Byte, &SpecialMission::random_time>(24),
                                     slot<Byte, &SpecialMission::hour>(25),
                                     slot<Byte, &SpecialMission::minute>(26),
                                     slot<Byte, &SpecialMission::weather>(27),
                                     slot<SignedWord, &SpecialMission::brief_view>(28),
                                     slot<Byte, &SpecialMission::standard_speech>(44),
                                     slot<EventNumber, &SpecialMission::success_event>(52),
                                     slot<EventNumber, &SpecialMission::fail_event>(54),
                                     slot<Byte, &SpecialMission::secondary_flight>(56),
                                     slot<Byte, &SpecialMission::secondary_same_target>(58),
                                     slot<SignedWord, &SpecialMission::formation>(60),
                                     kAltitude};

constexpr layout::Layout<V1Speech, 4> kV1Speech{
    slot<FFFFForZero, &V1Speech::v1_attack_speech>(0),
    slot<FFFFForZero, &V1Speech::v1_escort_speech>(2),
    slot<FFFFForZero, &V1Speech::v1_intercept_speech>(4),
    slot<FFFFForZero, &V1Speech::v1_ground_speech>(6)};

static_assert(layout::fits(kSetup, 28) && layout::fits(kPhase, 32) &&
              layout::fits(kPlaneType, 16) && layout::fits(kGermanForces, 44) &&
              layout::fits(kAlliedForces, 44) && layout::fits(kSpecialEvent, 8) &&
              layout::fits(kSpecialMission, 64) && layout::fits(kV1Speech, 8));

// The sections, one after another to the end of the file.
constexpr std::array kCampaign{
    layout::nested<&Campaign::setup, kSetup, 28>(0),
    layout::nested<&Campaign::phases, kPhase, 32>(28),
    layout::nested<&Campaign::plane_types, kPlaneType, 16>(828),
    layout::nested<&Campaign::german_forces, kGermanForces, 44>(1308),
    layout::nested<&Campaign::allied_forces, kAlliedForces, 44>(1352),
    layout::nested<&Campaign::special_events, kSpecialEvent, 8>(1396),
    layout::nested<&Campaign::special_missions, kSpecialMission, 64>(1652),
    layout::nested<&Campaign::v1_speech, kV1Speech, 8>(3700)};
static_assert(layout::covers(kCampaign, kCampaignFileSize));

}  // namespace

Campaign decode_campaign(std::span<const std::uint8_t, kCampaignFileSize> image) {
  Campaign c;
  layout::read<kCampaign>(c, In(image));
  return c;
}

FieldProblems campaign_problems(const Campaign& c) {
  FieldProblems problems;
  if (c.setup.camp_type > 255 - kCampTypeBias) {
    problems.push_back({"setup.camp_type", std::to_string(c.setup.camp_type) +
                                               " does not fit the file's byte once 2 is added"});
  }
  const std::string no_form = "-1 has no file form: its bytes FF FF mean 0";
  for (std::size_t i = 0; i < c.special_missions.size(); ++i) {
    const SpecialMission& m = c.special_missions[i];
    if (m.trigger != 0 && m.altitude == -1) {
      problems.push_back({member_path(element_path("special_missions", i), "altitude"), no_form});
    }
  }
  for (std::size_t i = 0; i < V1Speech::kWords.size(); ++i) {
    if (c.v1_speech.*V1Speech::kWords[i] == -1) {
      problems.push_back({member_path("v1_speech", V1Speech::kNames[i]), no_form});
    }
  }
  return problems;
}

CampaignImage encode_campaign(const Campaign& c) {
  CampaignImage image{};
  layout::write<kCampaign>(c, Out(image));
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
