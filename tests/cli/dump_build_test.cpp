// `zav dump` then `zav build` gives the bytes that loading and saving the file gives, and the
// JSON form holds the values that other tools rely on.
#include <span>

#include "formats/mission_file.h"
#include "mission_bytes.h"
#include "tool_test.h"

namespace zav::testing {
namespace {

// Builds `document`, given on standard input as a script would pipe it, into `out`, and
// returns the bytes written. (The refusal tests name the output with -o.)
Bytes built(const Json& document, const std::filesystem::path& out, const Lines& flags = {}) {
  Lines args = {"build", "-", "--output", out.string()};
  args.insert(args.end(), flags.begin(), flags.end());
  const ToolRun run = run_zav(args, nullptr, document.dump(2));
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  return read_bytes(out);
}

void put_word(Bytes& b, std::size_t at, std::uint16_t word) {
  b[at] = static_cast<std::uint8_t>(word & 0xFF);
  b[at + 1] = static_cast<std::uint8_t>(word >> 8);
}

TEST(DumpBuild, CampaignSquadronAndMissionFilesComeBackAsTheEditorSavesThem) {
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
    write_bytes(dir / "camp.dat", file);

    // A value the dump shows wrongly is built into other bytes, or refused; but an unused
    // mission's altitude is never written, so only the dump tells it.
    const Json json = dump_json(dir / "camp.dat");
    EXPECT_EQ(json["special_missions"][1]["altitude"], 0x1234);
    const CampaignImage saved = encode_campaign(decode_campaign(
        std::span<const std::uint8_t, kCampaignFileSize>(file.data(), kCampaignFileSize)));
    EXPECT_EQ(built(json, dir / "built.dat"), Bytes(saved.begin(), saved.end())) << seed;
  }

  for (unsigned count : {1u, 7u, 25u}) {
    Bytes file = random_bytes(count * kSquadronRecordSize, count);
    file[4] = 0;          // home base byte 0: no airfield, -1 in the record
    file[30 + 1] = 0xFF;  // a move to the forward base by its high byte
    write_bytes(dir / "sq.dat", file);
    const Json json = dump_json(dir / "sq.dat");
    const auto read = decode_squadrons(file, SquadronRead::squadron_file, dir / "sq.dat");
    EXPECT_EQ(built(json, dir / "built.dat"), encode_squadrons(read.value())) << count;
  }

  // Reserved bytes that are not 0, and a file longer than 60 bytes.
  const Bytes mission = random_bytes(64, 7);
  write_bytes(dir / "MisN07.Dat", mission);  // names in any letter case
  const MissionImage saved = encode_mission(decode_mission(
      std::span<const std::uint8_t, kMissionFileSize>(mission.data(), kMissionFileSize)));
  EXPECT_EQ(built(dump_json(dir / "MisN07.Dat"), dir / "built.dat"),
            Bytes(saved.begin(), saved.end()));
}

TEST(DumpBuild, StringTargetAndBaseFilesAreWrittenInTheFormsTheirReadersRead) {
  const TempDir dir;
  // A header, the strings' positions counted from offset 8, then Windows-1252 texts; a byte
  // that Windows-1252 leaves undefined (81) comes back as itself.
  const Json strings = Json::parse(R"({"kind": "strings", "strings": ["Caf\u00e9 \u20ac", "",
      "\u0081"]})");
  const Bytes string_file = built(strings, dir / "names.str");
  EXPECT_EQ(string_file, (Bytes{0, 0,  0, 0, 3, 0,   0,   0,   12,   0,   0,    0, 19, 0,    0,
                                0, 20, 0, 0, 0, 'C', 'a', 'f', 0xE9, ' ', 0x80, 0, 0,  0x81, 0}));
  EXPECT_EQ(dump_json(dir / "names.str"), strings);
  // No strings at all still make a whole header.
  EXPECT_EQ(built(Json::parse(R"({"kind": "strings", "strings": []})"), dir / "none.str"),
            (Bytes{0, 0, 0, 0, 0, 0, 0, 0, 4, 0, 0, 0}));

  Json targets = {{"kind", "targets"}, {"records", Json::array()}};
  for (int r = 0; r < 302; ++r) targets["records"].push_back({{"place", r}, {"airfield", 0}});
  targets["records"][301] = {{"place", -2}, {"airfield", 162}};
  Bytes target_file(302 * 32, 0);
  for (std::size_t r = 0; r < 301; ++r) {
    put_word(target_file, r * 32 + 20, static_cast<std::uint16_t>(r));
  }
  put_word(target_file, 301 * 32 + 20, 0xFFFE);
  put_word(target_file, 301 * 32 + 28, 162);
  EXPECT_EQ(built(targets, dir / "targets.dat"), target_file);
  EXPECT_EQ(dump_json(dir / "targets.dat"), targets);

  // sqbasic.dat, built and dumped with --base: home base 0 is byte 0, a move to airfield 5 is
  // 05 00, no weapon numbers.
  Squadron base;
  base.home_base = 0;
  base.num_moves = 1;
  base.moves[0] = {.probability = 9, .phase = 2, .destination = 5};
  base.moves[1].destination = kForwardBase;
  const Json base_json = dump_json(write_squadrons(dir / "sq.dat", {base}));
  const Bytes base_file = built(base_json, dir / "sqbasic.dat", {"--base"});
  ASSERT_EQ(base_file.size(), kSquadronRecordSize);
  EXPECT_EQ(base_file[4], 0);
  EXPECT_EQ(Bytes(base_file.begin() + 28, base_file.begin() + 36),
            (Bytes{9, 2, 5, 0, 0, 0, 0xFF, 0xFF}));
  EXPECT_EQ(dump_json(dir / "sqbasic.dat", {"--base"}), base_json);
}

// The members' names, order and nesting of every kind are pinned by the sample sources, which
// the dumps of the samples must equal (samples_test.cpp); here, the text's layout and values
// that the samples do not hold.
TEST(DumpBuild, JsonFormHoldsTheRecordValuesAsTheyStand) {
  const TempDir dir;
  Campaign campaign = clean_campaign();
  campaign.allied_forces.side = 7;
  const ToolRun run = run_zav({"dump", write_campaign(dir / "camp01.dat", campaign).string()});
  ASSERT_EQ(run.status, 0);
  EXPECT_TRUE(run.out.starts_with(
      "{\n  \"kind\": \"campaign\",\n  \"setup\": {\n    \"start_year\": 1943,"));
  const Json c = Json::parse(run.out);
  EXPECT_EQ(c["phases"][0]["target_priority"], Json({0, 22, 23, 41, 255, 233, 72, 57}));
  EXPECT_EQ(c["allied_forces"]["side"], 7);
  EXPECT_EQ(c["special_missions"][0]["brief_view"], Json({-3, -2, -1, 0, 308, 1, 2, 3}));

  const Json s = dump_json(write_squadrons(dir / "sq01.dat", {clean_squadron()}));
  EXPECT_EQ(s["squadrons"][0]["home_base"], kForwardBase);
  write_bytes(dir / "mission.bin", distinct_mission_bytes(2, 0, 8));
  EXPECT_EQ(dump_json(dir / "mission.bin", {"--kind", "mission"})["bombers"],
            Json::parse(R"({"count": 8, "plane_type": [21, 22, 23, 24, 25, 26, 27, 28],
      "chance": [121, 122, 123, 124, 125, 126, 127, 128]})"));
}

}  // namespace
}  // namespace zav::testing
