// `zav check` finds the values the editors cannot show or the game's limits forbid, and only
// those.
#include <gtest/gtest.h>

#include "formats/campaign_file.h"
#include "formats/squadron_file.h"
#include "mission_bytes.h"
#include "run_zav.h"
#include "sample_files.h"

namespace zav {
namespace {

using testing::run_zav;
using testing::TempDir;
using testing::write_bytes;
using Bytes = std::vector<std::uint8_t>;
using Lines = std::vector<std::string>;

void write_campaign(const std::filesystem::path& path, const Campaign& campaign) {
  const CampaignImage image = encode_campaign(campaign);
  write_bytes(path, Bytes(image.begin(), image.end()));
}

void write_squadrons(const std::filesystem::path& path, const std::vector<Squadron>& squadrons) {
  SquadronTable table;
  table.count = static_cast<int>(squadrons.size());
  std::copy(squadrons.begin(), squadrons.end(), table.slots.begin());
  write_bytes(path, encode_squadrons(table));
}

Lines prefixed(const std::filesystem::path& file, const Lines& findings) {
  Lines lines;
  for (const std::string& finding : findings) lines.push_back(file.string() + ": " + finding);
  return lines;
}

TEST(Check, CleanFilesGiveNothingAndStatus0) {
  const TempDir dir;
  write_campaign(dir / "camp01.dat", testing::clean_campaign());
  write_squadrons(dir / "sq01.dat", {testing::clean_squadron(), testing::clean_squadron()});
  write_bytes(dir / "misn01.dat", testing::distinct_mission_bytes(8, 0, 3));
  const auto run = run_zav({"check", (dir / "camp01.dat").string(), (dir / "sq01.dat").string(),
                            (dir / "misn01.dat").string()});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "");
}

TEST(Check, CampaignProblemsAreFoundInTheEntriesInUse) {
  const TempDir dir;
  Campaign c = testing::clean_campaign();
  c.setup.start_month = 12;
  c.setup.camp_type = 3;
  c.setup.defend_capital = 308;
  c.setup.num_sqns = 0x0105;
  c.setup.num_spm = 33;
  c.phases[1].win_condition = 5;
  c.phases[1].us_oil = 2001;
  c.phases[1].target_priority[7] = 40;
  c.phases[2].win_condition = 9;  // beyond num_phases: no editor shows it
  c.plane_types[0].replacement = 30;
  c.plane_types[1].end_phase = 26;
  c.allied_forces.quality = 3;
  c.special_events[0].type = 22;
  c.special_events[2].type = 99;  // beyond num_spev
  c.special_missions[0].success_event = 3;
  c.special_missions[0].target_priority = 32;
  c.special_missions[0].targets[1] = 308;
  c.special_missions[0].formation = 1942;
  for (std::size_t i = 1; i < c.special_missions.size(); ++i)
    c.special_missions[i].formation = 1940;
  c.special_missions[31].trigger = 10;  // in use now that num_spm is 33
  write_campaign(dir / "camp01.dat", c);

  const auto run = run_zav({"check", (dir / "camp01.dat").string()});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out_lines(),
            prefixed(dir / "camp01.dat",
                     {"setup.start_month: 12 is outside 0 to 11, the month list",
                      "setup.camp_type: 3 is outside 0 to 2, the campaign type list",
                      "setup.defend_capital: 308 is outside 0 to 307, the place list",
                      "setup.num_sqns: 261 is above 25, the most squadrons a campaign can have",
                      "setup.num_spm: 33 is above 32, the number of special missions a campaign "
                      "holds",
                      "phases[1].win_condition: 5 is outside 0 to 4, the condition list",
                      "phases[1].us_oil: 2001 is outside 0 to 2000, the range of its slider",
                      "phases[1].target_priority[7]: code 40 has no entry in the target-type list",
                      "plane_types[0].replacement: 30 names no aircraft (0 to 29, or 255 for none)",
                      "plane_types[1].end_phase: 26 is above 25, the last phase",
                      "allied_forces.quality: 3 is outside 0 to 2, the quality list",
                      "special_events[0].type: 22 is outside 0 to 21, the event type list",
                      "special_missions[0].target_priority: code 32 has no entry in the "
                      "target-type list",
                      "special_missions[0].targets[1]: 308 is outside -1 to 307, the place list "
                      "(-1 for none chosen)",
                      "special_missions[0].success_event: names special event 3, but num_spev is 2",
                      "special_missions[0].formation: 1942 is no formation (1940, 1943, 1944, "
                      "1945, -2 or -1)",
                      "special_missions[31].trigger: 10 is outside 0 to 9, the trigger list"}));
}

TEST(Check, SquadronMissionAndTargetProblemsAreFound) {
  const TempDir dir;
  Squadron s = testing::clean_squadron();
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
  write_squadrons(dir / "sq01.dat", {testing::clean_squadron(), s});

  Bytes mission = testing::distinct_mission_bytes(9, 1, 2);
  mission[testing::plane_at(testing::kAttackAt, 0)] = 30;
  mission[testing::plane_at(testing::kBombersAt, 2)] = 30;  // beyond the bombers' count
  write_bytes(dir / "misn01.dat", mission);

  Bytes targets(302 * 32, 0);
  targets[5 * 32 + 20] = 0x34;  // place 308
  targets[5 * 32 + 21] = 0x01;
  targets[6 * 32 + 28] = 163;
  write_bytes(dir / "targets.dat", targets);

  const auto run = run_zav({"check", (dir / "sq01.dat").string(), (dir / "misn01.dat").string(),
                            (dir / "targets.dat").string()});
  EXPECT_EQ(run.status, 1);
  Lines expected = prefixed(
      dir / "sq01.dat",
      {"squadrons[1].start_day: 31 is outside 0 to 30, the day list",
       "squadrons[1].home_base: -1 is outside 0 to 162, the airfields and the forward base (162)",
       "squadrons[1].aircraft_type: 30 is outside 0 to 29, the plane list",
       "squadrons[1].num_pilots: 31 is outside 0 to 30, the range of its spinner",
       "squadrons[1].num_changes: 5 is above 4, the number of aircraft changes a squadron holds",
       "squadrons[1].changes[3].aircraft_type: 40 is outside 0 to 29, the plane list",
       "squadrons[1].special_missions[4]: 2 is outside 0 to 1, the clear (0) and set (1) of its "
       "check box",
       "squadrons[1].weapons[0].weapon: 32 is outside 0 to 31, the weapon list",
       "squadrons[1].weapons[0].number: 610 is outside 0 to 600, the range of its spinner"});
  for (const std::string& line : prefixed(
           dir / "misn01.dat", {"fighters.count: 9 is above 8, the number of rows a group holds",
                                "attack.plane_type[0]: 30 is outside 0 to 29, the plane list"})) {
    expected.push_back(line);
  }
  for (const std::string& line :
       prefixed(dir / "targets.dat",
                {"records[5].place: 308 is outside 0 to 307, the place list",
                 "records[6].airfield: 163 is outside 0 to 162, the airfield numbers (0 for a "
                 "target that is no airfield)"})) {
    expected.push_back(line);
  }
  EXPECT_EQ(run.out_lines(), expected);
}

TEST(Check, AnUnreadableFileGivesStatus2AndTheOthersAreStillChecked) {
  const TempDir dir;
  Campaign c = testing::clean_campaign();
  c.setup.num_phases = 26;
  write_campaign(dir / "camp02.dat", c);
  write_bytes(dir / "camp01.dat", Bytes(100, 0));
  const auto run = run_zav({"check", (dir / "camp01.dat").string(), (dir / "camp99.dat").string(),
                            (dir / "camp02.dat").string()});
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, (dir / "camp01.dat").string() +
                         ": is not a campaign file: it has 100 bytes, a campaign has 3708\n" +
                         (dir / "camp99.dat").string() +
                         ": cannot be opened: No such file or directory\n");
  EXPECT_EQ(run.out_lines(),
            prefixed(dir / "camp02.dat",
                     {"setup.num_phases: 26 is above 25, the number of phases a campaign holds"}));
}

}  // namespace
}  // namespace zav
