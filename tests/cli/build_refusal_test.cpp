// `zav build` refuses a document with any fault, names each fault by its path, and leaves an
// existing output file exactly as it was.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "formats/campaign_file.h"
#include "formats/squadron_file.h"
#include "run_zav.h"
#include "sample_files.h"

namespace zav {
namespace {

using testing::read_bytes;
using testing::run_zav;
using testing::TempDir;
using testing::write_bytes;
using Json = nlohmann::ordered_json;
using Bytes = std::vector<std::uint8_t>;
using Lines = std::vector<std::string>;

Json campaign_json() {
  const TempDir dir;
  const CampaignImage image = encode_campaign(testing::clean_campaign());
  write_bytes(dir / "camp01.dat", Bytes(image.begin(), image.end()));
  return Json::parse(run_zav({"dump", (dir / "camp01.dat").string()}).out);
}

Json squadrons_json() {
  const TempDir dir;
  SquadronTable table;
  table.count = 2;
  table.slots[0] = table.slots[1] = testing::clean_squadron();
  write_bytes(dir / "sq01.dat", encode_squadrons(table));
  return Json::parse(run_zav({"dump", (dir / "sq01.dat").string()}).out);
}

// Builds `document` over an existing file and expects a refusal with exactly `problems`, the
// file untouched and nothing else left in its folder.
void expect_refused(const std::string& document, const Lines& problems) {
  const TempDir dir;
  const Bytes old_content = {'o', 'l', 'd'};
  write_bytes(dir / "out.dat", old_content);
  std::ofstream(dir / "in.json") << document;

  const auto run = run_zav({"build", (dir / "in.json").string(), "-o", (dir / "out.dat").string()});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "");
  std::string expected;
  for (const std::string& problem : problems)
    expected += (dir / "in.json").string() + ": " + problem + "\n";
  expected += (dir / "out.dat").string() + ": nothing written; " + (dir / "in.json").string() +
              " has " + std::to_string(problems.size()) +
              (problems.size() == 1 ? " problem\n" : " problems\n");
  EXPECT_EQ(run.err, expected);
  EXPECT_EQ(read_bytes(dir / "out.dat"), old_content);
  EXPECT_EQ(testing::file_names_in(dir.path()), (Lines{"in.json", "out.dat"}));
}

TEST(BuildRefusal, EveryFaultOfTheDocumentIsNamedByItsPath) {
  Json c = campaign_json();
  c["special_missions"][3]["altitude"] = 70000;
  c["setup"]["start_month"] = "May";
  c["setup"]["num_sqns"] = 65536;
  c["setup"]["colour"] = 1;
  c["phases"][2].erase("win_param");
  c["plane_types"].erase(29);
  c["german_forces"]["air"] = 1.5;
  c["allied_forces"]["side"] = -1;
  c["special_events"][0] = Json::array();
  c["v1_speech"]["v1_ground_speech"] = -32769;
  expect_refused(
      c.dump(2),
      {"setup.colour: unknown member", "setup.start_month: must be a whole number, not \"May\"",
       "setup.num_sqns: 65536 does not fit an unsigned 16-bit word (0 to 65535)",
       "phases[2].win_param: missing member", "plane_types: has 29 entries; it must have 30",
       "german_forces.air: must be a whole number, not 1.5",
       "allied_forces.side: -1 does not fit a byte (0 to 255)",
       "special_events[0]: must be an object, not an array",
       "special_missions[3].altitude: 70000 does not fit a signed 16-bit word "
       "(-32768 to 32767)",
       "v1_speech.v1_ground_speech: -32769 does not fit a signed 16-bit word "
       "(-32768 to 32767)"});

  // A member given twice would silently lose one of its values.
  std::string twice = campaign_json().dump(2);
  const std::string spev = "\"num_spev\": 2,";
  twice.replace(twice.find(spev), spev.size(), spev + " \"num_spev\": 9,");
  expect_refused(
      twice, {"setup.num_spev: appears twice in one object; only one of its values would be used"});
}

TEST(BuildRefusal, ValuesWithoutAFileFormOfTheirOwnAreRefused) {
  Json c = campaign_json();
  c["special_missions"][0]["altitude"] = -1;  // mission 0 is in use
  c["special_missions"][5]["altitude"] = -1;  // unused: its altitude is never written
  c["v1_speech"]["v1_escort_speech"] = -1;
  c["setup"]["camp_type"] = 254;
  expect_refused(c.dump(),
                 {"setup.camp_type: 254 does not fit the file's byte once 2 is added",
                  "special_missions[0].altitude: -1 has no file form: its bytes FF FF mean 0",
                  "v1_speech.v1_escort_speech: -1 has no file form: its bytes FF FF mean 0"});

  Json s = squadrons_json();
  s["squadrons"][1]["home_base"] = 300;
  s["squadrons"][0]["moves"][2]["destination"] = 163;
  s["squadrons"][0]["weapons"][1]["number"] = 65280;
  expect_refused(
      s.dump(),
      {"squadrons[0].moves[2].destination: 163 would read back as the forward base (162)",
       "squadrons[0].weapons[1].number: 65280 would read back as 0 (its high byte is 255)",
       "squadrons[1].home_base: 300 does not fit the file's byte (-1 to 254)"});

  Json none = squadrons_json();
  none["squadrons"] = Json::array();
  expect_refused(none.dump(), {"squadrons: has 0 entries; it must have 1 to 25"});
  Json too_many = squadrons_json();
  while (too_many["squadrons"].size() < 26)
    too_many["squadrons"].push_back(too_many["squadrons"][0]);
  expect_refused(too_many.dump(), {"squadrons: has 26 entries; it must have 1 to 25"});
}

TEST(BuildRefusal, DocumentMustSayWhatKindOfFileItIs) {
  Json c = campaign_json();
  c.erase("kind");
  expect_refused(c.dump(), {"kind: missing member"});
  c["kind"] = "campain";
  expect_refused(c.dump(), {"kind: \"campain\" is no kind of file; build makes campaign, "
                            "squadrons and mission files"});
  c["kind"] = "squadrons";
  expect_refused(c.dump(),
                 {"setup: unknown member", "phases: unknown member", "plane_types: unknown member",
                  "german_forces: unknown member", "allied_forces: unknown member",
                  "special_events: unknown member", "special_missions: unknown member",
                  "v1_speech: unknown member", "squadrons: missing member"});
  expect_refused("[1, 2]", {"(top level): must be an object, not an array"});
}

TEST(BuildRefusal, FilesThatCannotBeReadOrWrittenStopWithStatus2) {
  const TempDir dir;
  write_bytes(dir / "out.dat", {'o', 'l', 'd'});
  std::ofstream(dir / "cut.json") << campaign_json().dump(2).substr(0, 500);
  const auto cut =
      run_zav({"build", (dir / "cut.json").string(), "-o", (dir / "out.dat").string()});
  EXPECT_EQ(cut.status, 2);
  EXPECT_TRUE(cut.err.starts_with((dir / "cut.json").string() +
                                  ": is not valid JSON: parse error at line "))
      << cut.err;
  EXPECT_NE(cut.err.find("unexpected end of input"), std::string::npos) << cut.err;
  EXPECT_EQ(read_bytes(dir / "out.dat"), (Bytes{'o', 'l', 'd'}));

  const auto missing =
      run_zav({"build", (dir / "none.json").string(), "-o", (dir / "out.dat").string()});
  EXPECT_EQ(missing.status, 2);
  EXPECT_EQ(missing.err,
            (dir / "none.json").string() + ": cannot be opened: No such file or directory\n");

  std::ofstream(dir / "good.json") << campaign_json().dump();
  const auto no_folder =
      run_zav({"build", (dir / "good.json").string(), "-o", (dir / "no" / "camp.dat").string()});
  EXPECT_EQ(no_folder.status, 2);
  EXPECT_TRUE(no_folder.err.starts_with((dir / "no" / "camp.dat").string() + ": cannot be written"))
      << no_folder.err;
}

}  // namespace
}  // namespace zav
