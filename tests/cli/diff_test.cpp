// `zav diff` lists exactly the fields whose values differ.
#include "tool_test.h"

namespace zav::testing {
namespace {

TEST(Diff, ListsTheChangedFieldsInRecordOrderAndNothingForFilesEqualAsRecords) {
  const TempDir dir;
  Campaign changed = clean_campaign();
  changed.setup.num_spev = 3;
  changed.phases[1].target_priority[4] = 5;
  changed.special_missions[0].altitude = 0;  // saved as FF FF
  write_campaign(dir / "camp_new.dat", changed);
  Bytes file = read_bytes(write_campaign(dir / "camp_old.dat", clean_campaign()));
  const ToolRun run = run_zav({"diff", "camp_old.dat", "camp_new.dat"}, &dir);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out,
            "setup.num_spev: 2 -> 3\n"
            "phases[1].target_priority[4]: 0 (Random Target) -> 5 (Airfield)\n"
            "special_missions[0].altitude: 12000 -> 0\n");

  file[4] = 0x80;  // the marker of a briefing language 0, before language 2
  file[6] = 0x55;  // pad bytes
  file[1308 + 11] = 0x66;
  file[1652 + 53] = 0x77;  // the high byte of a success event that is not 255
  file.push_back(1);       // a byte after the campaign
  write_bytes(dir / "camp_same.dat", file);
  const ToolRun same = run_zav({"diff", "camp_old.dat", "camp_same.dat"}, &dir);
  EXPECT_EQ(same.status, 0);
  EXPECT_EQ(same.out, "");

  write_bytes(dir / "sq1.dat", Bytes(kSquadronRecordSize, 0));
  const ToolRun kinds = run_zav({"diff", "camp_old.dat", "sq1.dat"}, &dir);
  EXPECT_EQ(kinds.status, 2);
  EXPECT_EQ(kinds.out, "");
  EXPECT_EQ(kinds.err,
            "camp_old.dat and sq1.dat are different kinds of file (campaign and squadrons)\n");
}

// Campaigns and missions are compared value by value in place; the lines must be those that
// comparing their shown values gives, names and all.
TEST(Diff, CampaignsAndMissionsGiveTheLinesOfTheirShownValues) {
  const TempDir dir;
  std::mt19937 random(7);
  const auto random_bytes = [&](std::size_t size) {
    Bytes bytes(size);
    for (auto& byte : bytes) byte = static_cast<std::uint8_t>(random() % 4);  // many alike
    return bytes;
  };
  for (const auto& [name, size] : {std::pair{"camp", kCampaignFileSize},
                                   std::pair{"misn", kMissionFileSize}}) {
    const std::string old_file = std::string(name) + "1.dat";
    const std::string new_file = std::string(name) + "2.dat";
    write_bytes(dir / old_file, random_bytes(size));
    write_bytes(dir / new_file, random_bytes(size));
    const Lines old_values = run_zav({"show", old_file}, &dir).out_lines();
    const Lines new_values = run_zav({"show", new_file}, &dir).out_lines();
    ASSERT_EQ(old_values.size(), new_values.size());
    Lines expected;
    for (std::size_t i = 0; i < old_values.size(); ++i) {
      if (old_values[i] == new_values[i]) continue;
      const std::size_t colon = old_values[i].find(": ");
      expected.push_back(old_values[i] + " -> " + new_values[i].substr(colon + 2));
    }
    const ToolRun diff = run_zav({"diff", old_file, new_file}, &dir);
    EXPECT_EQ(diff.status, 1);
    EXPECT_EQ(diff.out_lines(), expected) << name;
  }
}

TEST(Diff, AnAddedSquadronShowsAsValuesThatWereNone) {
  const TempDir dir;
  Squadron added;
  added.start_year = 1944;
  write_squadrons(dir / "sq1.dat", {clean_squadron()});
  write_squadrons(dir / "sq2.dat", {clean_squadron(), added});

  const ToolRun run = run_zav({"diff", "sq1.dat", "sq2.dat"}, &dir);
  EXPECT_EQ(run.status, 1);
  const Lines lines = run.out_lines();
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.front(), "squadrons[1].start_year: (none) -> 1944");
  EXPECT_EQ(lines.back(), "squadrons[1].weapons[7].number: (none) -> 0");
  for (const std::string& line : lines) EXPECT_TRUE(line.starts_with("squadrons[1].")) << line;

  const ToolRun reverse = run_zav({"diff", "sq2.dat", "sq1.dat"}, &dir);
  EXPECT_EQ(reverse.status, 1);
  ASSERT_EQ(reverse.out_lines().size(), lines.size());
  EXPECT_EQ(reverse.out_lines().front(), "squadrons[1].start_year: 1944 -> (none)");
}

}  // namespace
}  // namespace zav::testing
