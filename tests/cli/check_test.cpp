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
  write_campaign(dir / "camp01.dat", campaign_with_problems());
  write_squadrons(dir / "sq01.dat", {clean_squadron(), squadron_with_problems()});
  const MissionImage mission = encode_mission(mission_with_problems());
  write_bytes(dir / "misn01.dat", Bytes(mission.begin(), mission.end()));

  Bytes targets(302 * 32, 0);
  targets[5 * 32 + 20] = 0x34;  // place 308
  targets[5 * 32 + 21] = 0x01;
  targets[6 * 32 + 28] = 163;
  write_bytes(dir / "targets.dat", targets);

  const ToolRun run =
      run_zav({"check", "camp01.dat", "sq01.dat", "misn01.dat", "targets.dat"}, &dir);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "");
  Lines expected;
  for (const auto& [file, problems] : {std::pair{"camp01.dat: ", &kCampaignProblems},
                                       {"sq01.dat: ", &kSquadronProblems},
                                       {"misn01.dat: ", &kMissionProblems}}) {
    for (const std::string& problem : *problems) expected.push_back(file + problem);
  }
  expected.push_back("targets.dat: records[5].place: 308 is outside 0 to 307, the place list");
  expected.push_back(
      "targets.dat: records[6].airfield: 163 is outside 0 to 162, the airfield numbers (0 for a "
      "target that is no airfield)");
  EXPECT_EQ(run.out_lines(), expected);
}

// A phase beyond its spin is one of kCampaignProblems; here, the last phase it offers, the
// frontline's spin and a year.
TEST(Check, AFrontlineTriggerBeyondItsSpinIsReportedAndTheLastPhaseOrAnyYearByteIsNot) {
  const TempDir dir;
  Campaign c = clean_campaign();
  c.setup.num_spev = 3;
  c.special_events[0] = {.trigger = 3, .trigger_param = 200};
  c.special_events[1] = {.trigger = 1, .trigger_param = 24};
  c.special_events[2] = {.trigger = 2, .trigger_param = 20};
  write_campaign(dir / "camp01.dat", c);
  const ToolRun run = run_zav({"check", "camp01.dat"}, &dir);
  EXPECT_EQ(run.out_lines(),
            (Lines{"camp01.dat: special_events[2].trigger_param: 20 is outside 0 to 19, what "
                   "\"When Frontline Position is =>\" offers"}));
}

}  // namespace
}  // namespace zav::testing
