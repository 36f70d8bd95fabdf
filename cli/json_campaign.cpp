#include "json_campaign.h"

#include "json_fields.h"

namespace zav::cli {
namespace {

constexpr auto kSetupFields = field_list(
    Field{"start_year", &CampaignSetup::start_year},
    Field{"start_month", &CampaignSetup::start_month},
    Field{"start_day", &CampaignSetup::start_day},
    Field{"brief_language", &CampaignSetup::brief_language},
    Field{"attack_side", &CampaignSetup::attack_side},
    Field{"camp_type", &CampaignSetup::camp_type},
    Field{"attack_base", &CampaignSetup::attack_base},
    Field{"attack_capital", &CampaignSetup::attack_capital},
    Field{"defend_capital", &CampaignSetup::defend_capital},
    Field{"num_sqns", &CampaignSetup::num_sqns}, Field{"num_spev", &CampaignSetup::num_spev},
    Field{"num_spm", &CampaignSetup::num_spm}, Field{"num_phases", &CampaignSetup::num_phases},
    Field{"phase_length", &CampaignSetup::phase_length},
    Field{"days_between_missions", &CampaignSetup::days_between_missions},
    Field{"num_plane_types", &CampaignSetup::num_plane_types});

constexpr auto kPhaseFields = field_list(
    Field{"win_condition", &Phase::win_condition}, Field{"win_param", &Phase::win_param},
    Field{"lose_condition", &Phase::lose_condition}, Field{"lose_param", &Phase::lose_param},
    Field{"us_aircraft", &Phase::us_aircraft}, Field{"us_arms", &Phase::us_arms},
    Field{"us_chemical", &Phase::us_chemical}, Field{"us_oil", &Phase::us_oil},
    Field{"us_ballbearing", &Phase::us_ballbearing}, Field{"us_railyard", &Phase::us_railyard},
    Field{"us_shipping", &Phase::us_shipping}, Field{"us_sub", &Phase::us_sub},
    Field{"german_production", &Phase::german_production},
    Field{"british_production", &Phase::british_production},
    Field{"target_priority", &Phase::target_priority});

constexpr auto kPlaneTypeFields = field_list(
    Field{"plane_slot", &PlaneType::plane_slot}, Field{"start_phase", &PlaneType::start_phase},
    Field{"end_phase", &PlaneType::end_phase}, Field{"replacement", &PlaneType::replacement},
    Field{"initial_planes", &PlaneType::initial_planes},
    Field{"production", &PlaneType::production}, Field{"start_points", &PlaneType::start_points});

constexpr auto kForcesFields =
    field_list(Field{"air", &SideForces::air}, Field{"ground", &SideForces::ground},
               Field{"quality", &SideForces::quality}, Field{"morale", &SideForces::morale},
               Field{"repair", &SideForces::repair}, Field{"production", &SideForces::production},
               Field{"factories", &SideForces::factories});

// Only the Allied side keeps its `side` byte in the file.
constexpr auto kAlliedForcesFields =
    std::tuple_cat(field_list(Field{"side", &SideForces::side}), kForcesFields);

constexpr auto kSpecialEventFields = field_list(
    Field{"type", &SpecialEvent::type}, Field{"trigger", &SpecialEvent::trigger},
    Field{"trigger_param", &SpecialEvent::trigger_param}, Field{"chance", &SpecialEvent::chance},
    Field{"param1", &SpecialEvent::param1}, Field{"param2", &SpecialEvent::param2});

constexpr auto kSpecialMissionFields = field_list(
    Field{"trigger", &SpecialMission::trigger}, Field{"chance", &SpecialMission::chance},
    Field{"trigger_param", &SpecialMission::trigger_param},
    Field{"mission_type", &SpecialMission::mission_type},
    Field{"num_targets", &SpecialMission::num_targets},
    Field{"target_priority", &SpecialMission::target_priority},
    Field{"targets", &SpecialMission::targets}, Field{"random_time", &SpecialMission::random_time},
    Field{"hour", &SpecialMission::hour}, Field{"minute", &SpecialMission::minute},
    Field{"weather", &SpecialMission::weather}, Field{"brief_view", &SpecialMission::brief_view},
    Field{"standard_speech", &SpecialMission::standard_speech},
    Field{"success_event", &SpecialMission::success_event},
    Field{"fail_event", &SpecialMission::fail_event},
    Field{"secondary_flight", &SpecialMission::secondary_flight},
    Field{"secondary_same_target", &SpecialMission::secondary_same_target},
    Field{"formation", &SpecialMission::formation}, Field{"altitude", &SpecialMission::altitude});

constexpr auto kV1SpeechFields =
    field_list(Field{"v1_attack_speech", &V1Speech::v1_attack_speech},
               Field{"v1_escort_speech", &V1Speech::v1_escort_speech},
               Field{"v1_intercept_speech", &V1Speech::v1_intercept_speech},
               Field{"v1_ground_speech", &V1Speech::v1_ground_speech});

constexpr auto kCampaignFields =
    field_list(Field{"setup", &Campaign::setup, kSetupFields},
               Field{"phases", &Campaign::phases, kPhaseFields},
               Field{"plane_types", &Campaign::plane_types, kPlaneTypeFields},
               Field{"german_forces", &Campaign::german_forces, kForcesFields},
               Field{"allied_forces", &Campaign::allied_forces, kAlliedForcesFields},
               Field{"special_events", &Campaign::special_events, kSpecialEventFields},
               Field{"special_missions", &Campaign::special_missions, kSpecialMissionFields},
               Field{"v1_speech", &Campaign::v1_speech, kV1SpeechFields});

}  // namespace

Json campaign_to_json(const Campaign& campaign) {
  return document_to_json("campaign", campaign, kCampaignFields);
}

Campaign campaign_from_json(const Json& document, JsonReader& reader) {
  Campaign campaign;
  read_document(reader, document, campaign, kCampaignFields);
  return campaign;
}

}  // namespace zav::cli
