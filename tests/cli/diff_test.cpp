// `zav diff` lists exactly the fields whose values differ.
#include <gtest/gtest.h>

#include "formats/campaign_file.h"
#include "formats/squadron_file.h"
#include "run_zav.h"
#include "sample_files.h"

namespace zav {
namespace {

using testing::run_zav;
using testing::TempDir;
using testing::write_bytes;
using Bytes = std::vector<std::uint8_t>;
using Lines = std::vector<std::string>;

Bytes campaign_bytes(const Campaign& campaign) {
  const CampaignImage image = encode_campaign(campaign);
  return Bytes(image.begin(), image.end());
}

TEST(Diff, ListsTheChangedFieldsInRecordOrder) {
  const TempDir dir;
  const Campaign old_campaign = testing::clean_campaign();
  Campaign new_campaign = old_campaign;
  new_campaign.setup.num_spev = 3;
  new_campaign.phases[1].target_priority[4] = 5;
  new_campaign.special_missions[0].altitude = 0;  // saved as FF FF
  write_bytes(dir / "camp_old.dat", campaign_bytes(old_campaign));
  write_bytes(dir / "camp_new.dat", campaign_bytes(new_campaign));

  const auto run =
      run_zav({"diff", (dir / "camp_old.dat").string(), (dir / "camp_new.dat").string()});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out_lines(),
            (Lines{"setup.num_spev: 2 -> 3", "phases[1].target_priority[4]: 0 -> 5",
                   "special_missions[0].altitude: 12000 -> 0"}));
}

TEST(Diff, FilesThatAreEqualAsRecordsGiveNothing) {
  const TempDir dir;
  Bytes file = campaign_bytes(testing::clean_campaign());
  write_bytes(dir / "camp1.dat", file);
  file[4] = 0x80;  // the marker of a briefing language 0, before language 2
  file[6] = 0x55;  // pad bytes
  file[1308 + 11] = 0x66;
  file[1652 + 53] = 0x77;  // the high byte of a success event that is not 255
  file.push_back(1);       // a byte after the campaign
  write_bytes(dir / "camp2.dat", file);
  const auto run = run_zav({"diff", (dir / "camp1.dat").string(), (dir / "camp2.dat").string()});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "");
}

TEST(Diff, AnAddedSquadronShowsAsValuesThatWereNone) {
  const TempDir dir;
  SquadronTable table;
  table.count = 1;
  table.slots[0] = testing::clean_squadron();
  write_bytes(dir / "sq1.dat", encode_squadrons(table));
  table.count = 2;
  table.slots[1].start_year = 1944;
  write_bytes(dir / "sq2.dat", encode_squadrons(table));

  const auto run = run_zav({"diff", (dir / "sq1.dat").string(), (dir / "sq2.dat").string()});
  EXPECT_EQ(run.status, 1);
  const Lines lines = run.out_lines();
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.front(), "squadrons[1].start_year: (none) -> 1944");
  EXPECT_EQ(lines.back(), "squadrons[1].weapons[7].number: (none) -> 0");
  for (const std::string& line : lines) EXPECT_TRUE(line.starts_with("squadrons[1].")) << line;

  const auto reverse = run_zav({"diff", (dir / "sq2.dat").string(), (dir / "sq1.dat").string()});
  EXPECT_EQ(reverse.out_lines().front(), "squadrons[1].start_year: 1944 -> (none)");
  EXPECT_EQ(reverse.out_lines().size(), lines.size());
}

TEST(Diff, FilesOfDifferentKindsAreAnError) {
  const TempDir dir;
  write_bytes(dir / "camp1.dat", campaign_bytes(testing::clean_campaign()));
  write_bytes(dir / "sq1.dat", Bytes(kSquadronRecordSize, 0));
  const auto run = run_zav({"diff", (dir / "camp1.dat").string(), (dir / "sq1.dat").string()});
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, (dir / "camp1.dat").string() + " and " + (dir / "sq1.dat").string() +
                         " are different kinds of file (campaign and squadrons)\n");
}

}  // namespace
}  // namespace zav
