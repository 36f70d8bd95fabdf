// `zav check` finds the values the editors cannot show or the game's limits forbid, and only
// those.
#include "mission_bytes.h"
#include "tool_test.h"

namespace zav::testing {
namespace {

TEST(Check, CleanFilesGiveNothingAndUnreadableOnesStatus2WhileTheOthersAreStillChecked) {
  const TempDir dir;
  write_campaign(dir / "camp01.dat", clean_campaign());
  write_squadrons(dir / "sq01.dat", {clean_squadron(), clean_squadron()});
  write_bytes(dir / "misn01.dat", distinct_mission_bytes(8, 0, 3));
  const ToolRun clean = run_zav({"check", "camp01.dat", "sq01.dat", "misn01.dat"}, &dir);
  EXPECT_EQ(clean.status, 0);
  EXPECT_EQ(clean.out, "");
  EXPECT_EQ(clean.err, "checked 3 files: nothing found\n");
  const ToolRun quiet = run_zav({"check", "--quiet", "camp01.dat"}, &dir);
  EXPECT_EQ(quiet.status, 0);
  EXPECT_EQ(quiet.out + quiet.err, "");

  // Counts and lengths that the setup editor's spins cannot produce.
  Campaign c = clean_campaign();
  c.setup.num_sqns = 0;
  c.setup.num_phases = 0;
  c.setup.phase_length = 51;
  c.setup.days_between_missions = 0;
  c.setup.num_plane_types = 0;
  write_campaign(dir / "camp02.dat", c);
  write_bytes(dir / "camp03.dat", Bytes(100, 0));
  const ToolRun run = run_zav({"check", "camp03.dat", "camp99.dat", "camp02.dat"}, &dir);
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err,
            "camp03.dat: is not a campaign file: it has 100 bytes, a campaign has 3708\n"
            "camp99.dat: cannot be opened: No such file or directory\n");
  EXPECT_EQ(
      run.out_lines(),
      Lines({"camp02.dat: setup.num_sqns: 0 is outside 1 to 25, the range of its spinner",
             "camp02.dat: setup.num_phases: 0 is outside 1 to 25, the range of its spinner",
             "camp02.dat: setup.phase_length: 51 is outside 1 to 50, the range of its spinner",
             "camp02.dat: setup.days_between_missions: 0 is outside 1 to 255, the range of "
             "its spinner",
             "camp02.dat: setup.num_plane_types: 0 is outside 1 to 30, the range of its "
             "spinner"}));
}

TEST(Check, ProblemsAreFoundInTheEntriesInUseOfEveryKindOfFile) {
  const TempDir dir;
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
  write_campaign(dir / "camp01.dat", c);

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
  write_squadrons(dir / "sq01.dat", {clean_squadron(), s});

  Bytes mission = distinct_mission_bytes(9, 1, 2);
  mission[plane_at(kAttackAt, 0)] = 30;
  mission[plane_at(kBombersAt, 2)] = 30;  // beyond the bombers' count
  write_bytes(dir / "misn01.dat", mission);

  Bytes targets(302 * 32, 0);
  targets[5 * 32 + 20] = 0x34;  // place 308
  targets[5 * 32 + 21] = 0x01;
  targets[6 * 32 + 28] = 163;
  write_bytes(dir / "targets.dat", targets);

  const ToolRun run =
      run_zav({"check", "camp01.dat", "sq01.dat", "misn01.dat", "targets.dat"}, &dir);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "");
  const Lines expected = {
      "camp01.dat: setup.start_month: 12 is outside 0 to 11, the month list",
      "camp01.dat: setup.camp_type: 3 is outside 0 to 2, the campaign type list",
      "camp01.dat: setup.defend_capital: 308 is outside 0 to 307, the place list",
      "camp01.dat: setup.num_sqns: 261 is outside 1 to 25, the range of its spinner",
      "camp01.dat: setup.num_spm: 33 is above 32, the number of special missions a campaign holds",
      "camp01.dat: phases[1].win_condition: 5 is outside 0 to 4, the condition list",
      "camp01.dat: phases[1].lose_param: 8 is above 7, the phase length, where its slider ends "
      "for a Date condition",
      "camp01.dat: phases[1].us_oil: 2001 is outside 0 to 2000, the range of its slider",
      "camp01.dat: phases[1].target_priority[7]: code 40 has no entry in the target-type list",
      "camp01.dat: plane_types[0].replacement: 30 names no aircraft (0 to 29, or 255 for none)",
      "camp01.dat: plane_types[1].end_phase: 26 is above 25, the last phase",
      "camp01.dat: plane_types[1].initial_planes: -10 is outside 0 to 5000, the range of its "
      "spinner",
      "camp01.dat: german_forces.production[7]: 5001 is outside 0 to 5000, the range of its "
      "slider",
      "camp01.dat: allied_forces.quality: 3 is outside 0 to 2, the quality list",
      "camp01.dat: special_events[0].type: 22 is outside 0 to 21, the event type list",
      "camp01.dat: special_missions[0].target_priority: code 32 has no entry in the target-type "
      "list",
      "camp01.dat: special_missions[0].targets[1]: 308 is outside -1 to 307, the place list (-1 "
      "for none chosen)",
      "camp01.dat: special_missions[0].hour: 24 is outside 0 to 23, the range of its spinner",
      "camp01.dat: special_missions[0].success_event: names special event 3, but num_spev is 2",
      "camp01.dat: special_missions[0].formation: 1942 is no formation (1940, 1943, 1944, 1945, -2 "
      "or -1)",
      "camp01.dat: special_missions[31].trigger: 10 is outside 0 to 9, the trigger list",
      "camp01.dat: v1_speech.v1_attack_speech: 309 is outside 0 to 308, the range of its spinner",
      "sq01.dat: squadrons[1].start_day: 31 is outside 0 to 30, the day list",
      "sq01.dat: squadrons[1].home_base: -1 is outside 0 to 162, the airfields and the forward "
      "base (162)",
      "sq01.dat: squadrons[1].aircraft_type: 30 is outside 0 to 29, the plane list",
      "sq01.dat: squadrons[1].num_pilots: 31 is outside 0 to 30, the range of its spinner",
      "sq01.dat: squadrons[1].num_changes: 5 is above 4, the number of aircraft changes a squadron "
      "holds",
      "sq01.dat: squadrons[1].changes[3].aircraft_type: 40 is outside 0 to 29, the plane list",
      "sq01.dat: squadrons[1].special_missions[4]: 2 is outside 0 to 1, the clear (0) and set (1) "
      "of its check box",
      "sq01.dat: squadrons[1].weapons[0].weapon: 32 is outside 0 to 31, the weapon list",
      "sq01.dat: squadrons[1].weapons[0].number: 610 is outside 0 to 600, the range of its spinner",
      "misn01.dat: fighters.count: 9 is above 8, the number of rows a group holds",
      "misn01.dat: attack.plane_type[0]: 30 is outside 0 to 29, the plane list",
      "targets.dat: records[5].place: 308 is outside 0 to 307, the place list",
      "targets.dat: records[6].airfield: 163 is outside 0 to 162, the airfield numbers (0 for a "
      "target that is no airfield)"};
  EXPECT_EQ(run.out_lines(), expected);
}

TEST(Check, APhaseOrFrontlineTriggerBeyondItsSpinIsReportedAndAnyYearByteIsNot) {
  const TempDir dir;
  Campaign c = clean_campaign();
  c.setup.num_spev = 4;
  c.special_events[0] = {.trigger = 3, .trigger_param = 200};
  c.special_events[1] = {.trigger = 1, .trigger_param = 24};
  c.special_events[2] = {.trigger = 1, .trigger_param = 25};
  c.special_events[3] = {.trigger = 2, .trigger_param = 20};
  write_campaign(dir / "camp01.dat", c);
  const ToolRun run = run_zav({"check", "camp01.dat"}, &dir);
  EXPECT_EQ(run.out_lines(),
            (Lines{"camp01.dat: special_events[2].trigger_param: 25 is outside 0 to 24, what "
                   "\"When Campaign Phase is =>\" offers",
                   "camp01.dat: special_events[3].trigger_param: 20 is outside 0 to 19, what "
                   "\"When Frontline Position is =>\" offers"}));
}

}  // namespace
}  // namespace zav::testing
