#pragma once

#include <string_view>

#include "formats/campaign.h"
#include "formats/field_problem.h"
#include "formats/mission.h"
#include "formats/squadron.h"
#include "formats/target_file.h"

// The values of a record outside what the editors produce for their fields (model/*_fields.h),
// or that the game's own limits forbid, each with its path in the text form and a plain
// sentence: what `zav check` reports.
//
// Entries beyond a count (phases beyond num_phases, rows beyond a group's count and so on)
// are not looked at: no editor reaches them, and the game does not use them.
namespace zav {

FieldProblems check_campaign(const Campaign& campaign);
// The problems that check_campaign() finds in one part of the campaign: the member `member`
// ("setup", "german_forces"), or entry `entry` of the table `member` ("phases", 3). The parts
// in use, in record order, give all of check_campaign()'s problems in its order.
FieldProblems check_campaign_part(const Campaign& campaign, std::string_view member, int entry);
FieldProblems check_squadrons(const SquadronTable& table);
FieldProblems check_mission(const Mission& mission);
FieldProblems check_targets(const TargetFile& targets);

}  // namespace zav
