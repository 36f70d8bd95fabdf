#pragma once

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
FieldProblems check_squadrons(const SquadronTable& table);
FieldProblems check_mission(const Mission& mission);
FieldProblems check_targets(const TargetFile& targets);

}  // namespace zav
