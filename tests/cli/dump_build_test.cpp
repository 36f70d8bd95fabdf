// `zav dump` then `zav build` gives the bytes that loading and saving the file gives, and the
// JSON form has the members, order and values that other tools rely on.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <span>

#include "formats/campaign_file.h"
#include "formats/mission_file.h"
#include "formats/squadron_file.h"
#include "mission_bytes.h"
#include "run_zav.h"
#include "sample_files.h"
#include "string_file_bytes.h"

namespace zav {
namespace {

using testing::random_bytes;
using testing::read_bytes;
using testing::run_zav;
using testing::TempDir;
using testing::write_bytes;
using Json = nlohmann::ordered_json;
using Bytes = std::vector<std::uint8_t>;

// Dumps `file`, builds the dump into `out` and returns the bytes built.
Bytes dump_and_build(const std::filesystem::path& file, const std::filesystem::path& out,
                     const std::vector<std::string>& dump_flags = {}) {
  std::vector<std::string> dump_args = {"dump", file.string()};
  dump_args.insert(dump_args.end(), dump_flags.begin(), dump_flags.end());
  const auto dumped = run_zav(dump_args);
  EXPECT_EQ(dumped.status, 0) << dumped.err;
  const std::filesystem::path json = out.string() + ".json";
  std::ofstream(json) << dumped.out;
  const auto built = run_zav({"build", json.string(), "-o", out.string()});
  EXPECT_EQ(built.status, 0) << built.err;
  EXPECT_EQ(built.err, "");
  return read_bytes(out);
}

Json dump_json(const std::filesystem::path& file, const std::vector<std::string>& flags = {}) {
  std::vector<std::string> args = {"dump", file.string()};
  args.insert(args.end(), flags.begin(), flags.end());
  const auto run = run_zav(args);
  EXPECT_EQ(run.status, 0) << run.err;
  return Json::parse(run.out);
}

std::vector<std::string> member_names(const Json& object) {
  std::vector<std::string> names;
  for (const auto& [name, value] : object.items()) names.push_back(name);
  return names;
}

void put_word(Bytes& b, std::size_t at, std::uint16_t word) {
  b[at] = static_cast<std::uint8_t>(word & 0xFF);
  b[at + 1] = static_cast<std::uint8_t>(word >> 8);
}

TEST(DumpBuild, CampaignComesBackAsTheEditorSavesIt) {
  const TempDir dir;
  for (unsigned seed = 1; seed <= 4; ++seed) {
    // Any bytes are a campaign; a longer file is read from its first 3708 bytes.
    Bytes file = random_bytes(kCampaignFileSize + 3 * (seed - 1), seed);
    file[12] = static_cast<std::uint8_t>(seed % 2);  // a campaign-type byte that is never saved
    put_word(file, 20, 0x0103);                      // a squadron count word above 255
    file[1652] = 3;                                  // special mission 0 in use...
    put_word(file, 1652 + 62, 0xFFFF);               // ...with the FF FF altitude that means 0
    file[1652 + 64] = 0;                             // special mission 1 unused...
    put_word(file, 1652 + 64 + 62, 0x1234);          // ...yet with altitude bytes
    put_word(file, 3700, 0xFFFF);                    // V-1 speech stored as FF FF
    const auto path = dir / ("camp" + std::to_string(seed) + ".dat");
    write_bytes(path, file);

    const Json json = dump_json(path);
    EXPECT_EQ(json["setup"]["camp_type"], seed % 2);
    EXPECT_EQ(json["setup"]["num_sqns"], 0x0103);
    EXPECT_EQ(json["special_missions"][0]["altitude"], 0);
    EXPECT_EQ(json["special_missions"][1]["altitude"], 0x1234);
    EXPECT_EQ(json["v1_speech"]["v1_attack_speech"], 0);

    const auto image =
        std::span<const std::uint8_t, kCampaignFileSize>(file.data(), kCampaignFileSize);
    const CampaignImage saved = encode_campaign(decode_campaign(image));
    EXPECT_EQ(dump_and_build(path, dir / "built.dat"), Bytes(saved.begin(), saved.end()))
        << "seed " << seed;
  }
}

TEST(DumpBuild, SquadronAndMissionFilesComeBackAsTheEditorSavesThem) {
  const TempDir dir;
  for (unsigned count : {1u, 7u, 25u}) {
    Bytes file = random_bytes(count * kSquadronRecordSize, count);
    file[4] = 0;          // home base byte 0: no airfield, -1 in the record
    file[30 + 1] = 0xFF;  // a move to the forward base by its high byte
    const auto path = dir / "sq_random.dat";
    write_bytes(path, file);
    const Json json = dump_json(path);
    EXPECT_EQ(json["squadrons"].size(), count);
    EXPECT_EQ(json["squadrons"][0]["home_base"], -1);
    EXPECT_EQ(json["squadrons"][0]["moves"][0]["destination"], kForwardBase);
    const Bytes saved =
        encode_squadrons(decode_squadrons(file, SquadronRead::squadron_file, path).value());
    EXPECT_EQ(dump_and_build(path, dir / "built.dat"), saved) << count << " squadrons";
  }

  // The base file: home bases without the +1 and no weapon numbers. A home byte of 255 would
  // have no file form once saved, so the test keeps below it.
  Bytes base = random_bytes(3 * kSquadronRecordSize, 99);
  for (std::size_t r = 0; r < 3; ++r)
    base[r * kSquadronRecordSize + 4] = static_cast<std::uint8_t>(160 + r);
  const auto base_path = dir / "sqbasic.dat";
  write_bytes(base_path, base);
  EXPECT_EQ(dump_json(base_path, {"--base"})["squadrons"][2]["home_base"], 162);
  EXPECT_EQ(dump_json(base_path)["squadrons"][2]["home_base"], 161);
  const Bytes base_saved =
      encode_squadrons(decode_squadrons(base, SquadronRead::base_file, base_path).value());
  EXPECT_EQ(dump_and_build(base_path, dir / "from_base.dat", {"--base"}), base_saved);

  // Reserved bytes that are not 0, and a file longer than 60 bytes.
  const Bytes mission = random_bytes(64, 7);
  const auto mission_path = dir / "misn07.dat";
  write_bytes(mission_path, mission);
  const MissionImage mission_saved = encode_mission(decode_mission(
      std::span<const std::uint8_t, kMissionFileSize>(mission.data(), kMissionFileSize)));
  EXPECT_EQ(dump_and_build(mission_path, dir / "misn_built.dat"),
            Bytes(mission_saved.begin(), mission_saved.end()));
}

TEST(DumpBuild, JsonFormHasTheRecordMembersInRecordOrder) {
  const TempDir dir;
  Campaign campaign = testing::clean_campaign();
  campaign.allied_forces.side = 7;
  const CampaignImage image = encode_campaign(campaign);
  write_bytes(dir / "camp01.dat", Bytes(image.begin(), image.end()));
  const auto run = run_zav({"dump", (dir / "camp01.dat").string()});
  ASSERT_EQ(run.status, 0);
  EXPECT_TRUE(run.out.starts_with(
      "{\n  \"kind\": \"campaign\",\n  \"setup\": {\n    \"start_year\": 1943,"));
  const Json c = Json::parse(run.out);

  using Names = std::vector<std::string>;
  EXPECT_EQ(member_names(c),
            (Names{"kind", "setup", "phases", "plane_types", "german_forces", "allied_forces",
                   "special_events", "special_missions", "v1_speech"}));
  EXPECT_EQ(
      member_names(c["setup"]),
      (Names{"start_year", "start_month", "start_day", "brief_language", "attack_side", "camp_type",
             "attack_base", "attack_capital", "defend_capital", "num_sqns", "num_spev", "num_spm",
             "num_phases", "phase_length", "days_between_missions", "num_plane_types"}));
  ASSERT_EQ(c["phases"].size(), 25u);
  EXPECT_EQ(
      member_names(c["phases"][24]),
      (Names{"win_condition", "win_param", "lose_condition", "lose_param", "us_aircraft", "us_arms",
             "us_chemical", "us_oil", "us_ballbearing", "us_railyard", "us_shipping", "us_sub",
             "german_production", "british_production", "target_priority"}));
  EXPECT_EQ(c["phases"][0]["target_priority"], Json({0, 22, 23, 41, 255, 233, 72, 57}));
  ASSERT_EQ(c["plane_types"].size(), 30u);
  EXPECT_EQ(member_names(c["plane_types"][0]),
            (Names{"plane_slot", "start_phase", "end_phase", "replacement", "initial_planes",
                   "production", "start_points"}));
  const Names forces = {"air", "ground", "quality", "morale", "repair", "production", "factories"};
  EXPECT_EQ(member_names(c["german_forces"]), forces);
  Names allied = forces;
  allied.insert(allied.begin(), "side");
  EXPECT_EQ(member_names(c["allied_forces"]), allied);
  EXPECT_EQ(c["allied_forces"]["side"], 7);
  ASSERT_EQ(c["special_events"].size(), 32u);
  EXPECT_EQ(member_names(c["special_events"][0]),
            (Names{"type", "trigger", "trigger_param", "chance", "param1", "param2"}));
  EXPECT_EQ(c["special_events"][1]["param1"], -128);
  ASSERT_EQ(c["special_missions"].size(), 32u);
  EXPECT_EQ(member_names(c["special_missions"][0]),
            (Names{"trigger", "chance", "trigger_param", "mission_type", "num_targets",
                   "target_priority", "targets", "random_time", "hour", "minute", "weather",
                   "brief_view", "standard_speech", "success_event", "fail_event",
                   "secondary_flight", "secondary_same_target", "formation", "altitude"}));
  EXPECT_EQ(c["special_missions"][0]["brief_view"], Json({-3, -2, -1, 0, 308, 1, 2, 3}));
  EXPECT_EQ(c["special_missions"][0]["fail_event"], 255);
  EXPECT_EQ(member_names(c["v1_speech"]), (Names{"v1_attack_speech", "v1_escort_speech",
                                                 "v1_intercept_speech", "v1_ground_speech"}));

  SquadronTable table;
  table.count = 1;
  table.slots[0] = testing::clean_squadron();
  write_bytes(dir / "sq01.dat", encode_squadrons(table));
  const Json s = dump_json(dir / "sq01.dat");
  EXPECT_EQ(member_names(s), (Names{"kind", "squadrons"}));
  EXPECT_EQ(member_names(s["squadrons"][0]), (Names{"start_year",
                                                    "start_month",
                                                    "start_day",
                                                    "home_base",
                                                    "aircraft_type",
                                                    "num_aircraft",
                                                    "num_pilots",
                                                    "morale",
                                                    "skill",
                                                    "commencing_phase",
                                                    "squadrons_in_group",
                                                    "escort_weight",
                                                    "sweep_weight",
                                                    "bomb_weight",
                                                    "intercept_weight",
                                                    "interdiction_weight",
                                                    "sprite",
                                                    "unit_name",
                                                    "unit_description",
                                                    "staffel",
                                                    "num_moves",
                                                    "num_changes",
                                                    "moves",
                                                    "changes",
                                                    "special_missions",
                                                    "weapons"}));
  EXPECT_EQ(s["squadrons"][0]["home_base"], kForwardBase);
  EXPECT_EQ(member_names(s["squadrons"][0]["moves"][3]),
            (Names{"probability", "phase", "destination"}));
  EXPECT_EQ(member_names(s["squadrons"][0]["changes"][3]),
            (Names{"probability", "phase", "aircraft_type", "reserved"}));
  EXPECT_EQ(s["squadrons"][0]["special_missions"].size(), 32u);
  EXPECT_EQ(member_names(s["squadrons"][0]["weapons"][7]), (Names{"weapon", "phase", "number"}));
  EXPECT_EQ(s["squadrons"][0]["weapons"][7]["number"], 600);

  write_bytes(dir / "misn01.dat", testing::distinct_mission_bytes(2, 0, 8));
  const Json m = dump_json(dir / "misn01.dat");
  EXPECT_EQ(member_names(m), (Names{"kind", "fighters", "attack", "bombers"}));
  EXPECT_EQ(m["bombers"],
            Json::parse(R"({"count": 8, "plane_type": [21, 22, 23, 24, 25, 26, 27, 28],
      "chance": [121, 122, 123, 124, 125, 126, 127, 128]})"));
}

TEST(DumpBuild, StringAndTargetFilesDumpAsTextAndRecords) {
  const TempDir dir;
  // Windows-1252 bytes: é is E9, the euro sign 80.
  write_bytes(dir / "planes.str", testing::string_file_bytes({"Spitfire", "", "Caf\xE9 \x80"}, 8));
  EXPECT_EQ(dump_json(dir / "planes.str"),
            Json::parse(R"({"kind": "strings", "strings": ["Spitfire", "", "Café €"]})"));

  Bytes targets(302 * 32, 0);
  put_word(targets, 20, 5);
  put_word(targets, 28, 1);
  put_word(targets, 301 * 32 + 20, 307);
  put_word(targets, 301 * 32 + 28, 162);
  write_bytes(dir / "TARGETS.DAT", targets);
  const Json t = dump_json(dir / "TARGETS.DAT");
  EXPECT_EQ(t["kind"], "targets");
  ASSERT_EQ(t["records"].size(), 302u);
  EXPECT_EQ(t["records"][0], Json::parse(R"({"place": 5, "airfield": 1})"));
  EXPECT_EQ(t["records"][301], Json::parse(R"({"place": 307, "airfield": 162})"));

  const auto refused = run_zav({"build", "-", "-o", (dir / "planes2.str").string()},
                               dump_json(dir / "planes.str").dump());
  EXPECT_EQ(refused.status, 1);
  EXPECT_NE(refused.err.find("kind: \"strings\" files are dumped only"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(dir / "planes2.str"));
}

TEST(DumpBuild, KindComesFromTheFileNameOrFromKind) {
  const TempDir dir;
  write_bytes(dir / "MisN7.Dat", testing::distinct_mission_bytes(1, 2, 3));
  EXPECT_EQ(dump_json(dir / "MisN7.Dat")["kind"], "mission");
  write_bytes(dir / "sqbasic.dat", Bytes(kSquadronRecordSize, 1));
  EXPECT_EQ(dump_json(dir / "sqbasic.dat")["kind"], "squadrons");

  write_bytes(dir / "mission.bin", testing::distinct_mission_bytes(1, 2, 3));
  const auto unnamed = run_zav({"dump", (dir / "mission.bin").string()});
  EXPECT_EQ(unnamed.status, 2);
  EXPECT_EQ(unnamed.out, "");
  EXPECT_NE(unnamed.err.find("mission.bin"), std::string::npos);
  EXPECT_NE(unnamed.err.find("--kind"), std::string::npos);
  EXPECT_EQ(dump_json(dir / "mission.bin", {"--kind", "mission"})["fighters"]["count"], 1);

  // A name that says campaign does not make a mission file one.
  write_bytes(dir / "camp_short.dat", testing::distinct_mission_bytes(1, 2, 3));
  const auto short_file = run_zav({"dump", (dir / "camp_short.dat").string()});
  EXPECT_EQ(short_file.status, 2);
  EXPECT_NE(short_file.err.find("camp_short.dat: is not a campaign file"), std::string::npos);
}

TEST(DumpBuild, BuildReadsTheDocumentFromStandardInput) {
  const TempDir dir;
  const CampaignImage image = encode_campaign(testing::clean_campaign());
  write_bytes(dir / "camp01.dat", Bytes(image.begin(), image.end()));
  const auto dumped = run_zav({"dump", (dir / "camp01.dat").string()});
  const auto built = run_zav({"build", "-", "-o", (dir / "camp02.dat").string()}, dumped.out);
  EXPECT_EQ(built.status, 0) << built.err;
  EXPECT_EQ(read_bytes(dir / "camp02.dat"), Bytes(image.begin(), image.end()));
}

}  // namespace
}  // namespace zav
