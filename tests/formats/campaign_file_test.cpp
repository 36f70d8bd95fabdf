#include "formats/campaign_file.h"

#include <gtest/gtest.h>

#include <random>

#include "temp_dir.h"

namespace zav {
namespace {

using testing::read_bytes;
using testing::TempDir;
using testing::write_bytes;

constexpr std::size_t kMission = 1652, kMissionSize = 64;

std::vector<std::uint8_t> slice(const CampaignImage& image, std::size_t at, std::size_t n) {
  return {image.begin() + at, image.begin() + at + n};
}

TEST(CampaignFile, EmptyRecordHasTheGamesConstantBytes) {
  const CampaignImage image = encode_campaign(Campaign{});

  CampaignImage expected{};
  expected[4] = 0x80;  // brief_language 0
  expected[8] = 0x80;  // attack_side 0
  expected[12] = 2;    // camp_type 0
  expected[1308] = 0x80;
  for (std::size_t at = 3700; at < 3708; ++at) expected[at] = 0xFF;  // V-1 speech 0
  EXPECT_EQ(image, expected);  // special missions' altitude is 00 00: their trigger is 0
}

TEST(CampaignFile, SetupFileForms) {
  Campaign c;
  c.setup.start_year = 1944;
  c.setup.brief_language = 1;
  c.setup.attack_side = 0;
  c.setup.camp_type = 2;
  c.setup.num_sqns = 25;
  const CampaignImage image = encode_campaign(c);

  EXPECT_EQ(slice(image, 0, 2), (std::vector<std::uint8_t>{0x98, 0x07}));
  EXPECT_EQ(slice(image, 4, 4), (std::vector<std::uint8_t>{0x00, 0x01, 0x00, 0x00}));
  EXPECT_EQ(image[12], 4);
  EXPECT_EQ(slice(image, 20, 2), (std::vector<std::uint8_t>{25, 0}));
  EXPECT_EQ(decode_campaign(image).setup, c.setup);

  // A type byte the game never writes is taken as it stands, and saved in the game's form.
  for (int stored : {0, 1}) {
    CampaignImage odd = image;
    odd[12] = static_cast<std::uint8_t>(stored);
    const Campaign loaded = decode_campaign(odd);
    EXPECT_EQ(loaded.setup.camp_type, stored);
    EXPECT_EQ(encode_campaign(loaded)[12], stored + 2);
  }

  // The squadron count's second byte is kept rather than lost.
  CampaignImage wide = image;
  wide[21] = 1;
  EXPECT_EQ(decode_campaign(wide).setup.num_sqns, 281);
  EXPECT_EQ(encode_campaign(decode_campaign(wide)), wide);
}

TEST(CampaignFile, SectionsSitAtTheirOffsets) {
  Campaign c;
  c.phases[3].win_condition = 0x11;
  c.phases[3].british_production = 0x2233;
  c.phases[3].target_priority[7] = 0x44;
  c.plane_types[29].plane_slot = 0x55;
  c.plane_types[29].start_points = 0x0666;
  c.german_forces.factories[7] = 0x0777;
  c.allied_forces.side = 2;
  c.allied_forces.air = 0x0888;
  c.special_events[31].param2 = 0x0999;
  c.special_missions[31].trigger = 1;
  c.special_missions[31].altitude = 0x0AAA;
  c.v1_speech.v1_ground_speech = 0x0BBB;
  const CampaignImage image = encode_campaign(c);

  EXPECT_EQ(image[124], 0x11);  // phase 3 starts at 28 + 3 * 32
  EXPECT_EQ(slice(image, 124 + 22, 2), (std::vector<std::uint8_t>{0x33, 0x22}));
  EXPECT_EQ(image[124 + 31], 0x44);
  EXPECT_EQ(image[828 + 29 * 16], 0x55);
  EXPECT_EQ(slice(image, 828 + 29 * 16 + 12, 4), (std::vector<std::uint8_t>{0x66, 0x06, 0, 0}));
  EXPECT_EQ(slice(image, 1308 + 42, 2), (std::vector<std::uint8_t>{0x77, 0x07}));
  EXPECT_EQ(slice(image, 1352, 6), (std::vector<std::uint8_t>{0x00, 0x02, 0, 0, 0x88, 0x08}));
  EXPECT_EQ(slice(image, 1396 + 31 * 8 + 6, 2), (std::vector<std::uint8_t>{0x99, 0x09}));
  EXPECT_EQ(image[3636], 1);  // special mission 31
  EXPECT_EQ(slice(image, 3636 + 62, 2), (std::vector<std::uint8_t>{0xAA, 0x0A}));
  EXPECT_EQ(slice(image, 3706, 2), (std::vector<std::uint8_t>{0xBB, 0x0B}));
  EXPECT_EQ(decode_campaign(image), c);
}

TEST(CampaignFile, MarkedWordsAndCodesRoundTrip) {
  Campaign c;
  c.special_events[0].param1 = -128;
  SpecialMission& used = c.special_missions[0];
  used.trigger = 3;
  used.altitude = 0;
  used.brief_view[2] = -2;
  used.formation = -1;
  used.success_event = SpecialMission::kNoEvent;
  used.fail_event = 7;
  c.special_missions[1].trigger = 0;
  c.special_missions[1].altitude = 5000;  // an entry not in use keeps no altitude
  c.v1_speech = {.v1_escort_speech = 1, .v1_intercept_speech = 308, .v1_ground_speech = 17};
  const CampaignImage image = encode_campaign(c);

  EXPECT_EQ(slice(image, 1396 + 4, 2), (std::vector<std::uint8_t>{0x80, 0xFF}));
  EXPECT_EQ(slice(image, kMission + 62, 2), (std::vector<std::uint8_t>{0xFF, 0xFF}));
  EXPECT_EQ(slice(image, kMission + 28 + 4, 2), (std::vector<std::uint8_t>{0xFE, 0xFF}));
  EXPECT_EQ(slice(image, kMission + 60, 2), (std::vector<std::uint8_t>{0xFF, 0xFF}));
  EXPECT_EQ(slice(image, kMission + 52, 4), (std::vector<std::uint8_t>{0xFF, 0xFF, 7, 0}));
  EXPECT_EQ(slice(image, kMission + kMissionSize + 62, 2), (std::vector<std::uint8_t>{0, 0}));
  EXPECT_EQ(slice(image, 3700, 8),
            (std::vector<std::uint8_t>{0xFF, 0xFF, 1, 0, 0x34, 0x01, 17, 0}));

  const Campaign loaded = decode_campaign(image);
  EXPECT_EQ(loaded.special_events[0].param1, -128);
  EXPECT_EQ(loaded.special_missions[0], used);
  EXPECT_EQ(loaded.special_missions[1].altitude, 0);
  EXPECT_EQ(loaded.v1_speech, c.v1_speech);
}

TEST(CampaignFile, NormalisationsHappenOnceAndRecordsSurviveASave) {
  std::mt19937 random(1944);
  for (int run = 0; run < 300; ++run) {
    CampaignImage file;
    for (auto& byte : file) byte = static_cast<std::uint8_t>(random());
    const CampaignImage first = encode_campaign(decode_campaign(file));
    const Campaign record = decode_campaign(first);
    const CampaignImage second = encode_campaign(record);
    ASSERT_EQ(second, first) << "run " << run;
    ASSERT_EQ(decode_campaign(second), record) << "run " << run;
    ASSERT_TRUE(campaign_problems(record).empty());
  }
}

TEST(CampaignFile, SaveRefusesValuesWithoutAFileFormElseWrites3708BytesAndLoadRefusesFewer) {
  TempDir dir;
  const auto path = dir / "camp2.dat";
  const std::vector<std::uint8_t> old(5000, 0x11);
  write_bytes(path, old);
  Campaign c;
  c.setup.camp_type = 254;  // no byte once 2 is added
  const auto refused = save_campaign(path, c);
  ASSERT_TRUE(refused);
  EXPECT_NE(refused->message().find("setup.camp_type"), std::string::npos);
  EXPECT_EQ(read_bytes(path), old);

  c.setup.camp_type = 0;
  c.setup.num_phases = 3;
  c.phases[24].us_sub = 2000;  // beyond the count, kept all the same
  ASSERT_FALSE(save_campaign(path, c));
  ASSERT_EQ(read_bytes(path).size(), kCampaignFileSize);
  EXPECT_EQ(load_campaign(path).value(), c);

  write_bytes(dir / "short.dat", std::vector<std::uint8_t>(kCampaignFileSize - 1, 0));
  const Result<Campaign> short_load = load_campaign(dir / "short.dat");
  ASSERT_FALSE(short_load);
  EXPECT_NE(short_load.error().message().find("short.dat"), std::string::npos);
  EXPECT_NE(short_load.error().reason.find("3707 bytes"), std::string::npos);
}

}  // namespace
}  // namespace zav
