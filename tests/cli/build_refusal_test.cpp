// `zav build` refuses a document with any fault, names each fault by its path, and leaves an
// existing output file exactly as it was.
#include <fstream>

#include "tool_test.h"

namespace zav::testing {
namespace {

Json campaign_json() {
  const TempDir dir;
  return dump_json(write_campaign(dir / "camp01.dat", clean_campaign()));
}

Json squadrons_json() {
  const TempDir dir;
  return dump_json(write_squadrons(dir / "sq01.dat", {clean_squadron(), clean_squadron()}));
}

// Builds `document` over an existing file and expects a refusal with exactly `problems`, the
// file untouched and nothing else left in its folder.
void expect_refused(const std::string& document, const Lines& problems, const Lines& flags = {}) {
  const TempDir dir;
  write_bytes(dir / "out.dat", {'o', 'l', 'd'});
  std::ofstream(dir / "in.json") << document;
  Lines args = {"build", "in.json", "-o", "out.dat"};
  args.insert(args.end(), flags.begin(), flags.end());
  const ToolRun run = run_zav(args, &dir);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "");
  std::string expected;
  for (const std::string& problem : problems) expected += "in.json: " + problem + "\n";
  EXPECT_EQ(run.err, expected + "out.dat: nothing written; in.json has " +
                         std::to_string(problems.size()) +
                         (problems.size() == 1 ? " problem\n" : " problems\n"));
  EXPECT_EQ(read_bytes(dir / "out.dat"), (Bytes{'o', 'l', 'd'}));
  EXPECT_EQ(entries_in(dir.path()), 2u);
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
       "special_missions[3].altitude: 70000 does not fit a signed 16-bit word (-32768 to 32767)",
       "v1_speech.v1_ground_speech: -32769 does not fit a signed 16-bit word (-32768 to 32767)"});

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

  // The base file keeps home bases without the +1 and no weapon numbers at all.
  s = squadrons_json();
  s["squadrons"][0]["home_base"] = 255;
  s["squadrons"][0]["weapons"][7]["number"] = 0;
  s["squadrons"][1]["home_base"] = -1;  // its weapons[7] carries 600
  expect_refused(
      s.dump(),
      {"squadrons[1].home_base: -1 does not fit the file's byte (0 to 255)",
       "squadrons[1].weapons[7].number: 600 would read back as 0: the base file keeps no weapon "
       "numbers"},
      {"--base"});
  expect_refused(
      campaign_json().dump(),
      {"kind: \"campaign\" files have no base form; --base applies to squadron files only"},
      {"--base"});

  for (const std::size_t count : {0u, 26u}) {
    s["squadrons"] = Json(count, squadrons_json()["squadrons"][0]);
    expect_refused(s.dump(),
                   {"squadrons: has " + std::to_string(count) + " entries; it must have 1 to 25"});
  }
}

TEST(BuildRefusal, DocumentMustSayWhatKindOfFileItIsAndHoldWhatThatKindHolds) {
  const std::vector<std::pair<std::string, Lines>> cases = {
      {R"({"squadrons": []})", {"kind: missing member"}},
      {R"({"kind": "campain"})",
       {"kind: \"campain\" is no kind of file; the kinds are campaign, squadrons, mission, "
        "strings and targets"}},
      {R"({"kind": "squadrons", "setup": {}})",
       {"setup: unknown member", "squadrons: missing member"}},
      {"[1, 2]", {"(top level): must be an object, not an array"}},
      // Texts go to the file in Windows-1252, which has no Ł; a zero would end a string early.
      {R"({"kind": "strings", "strings": ["Łódź", 7, "Köln €", "a\u0000b"]})",
       {"strings[1]: must be a text in quotes, not 7"}},
      {R"({"kind": "strings", "strings": ["Łódź", "Köln €", "a\u0000b", "\ud83d\ude80"]})",
       {"strings[0]: holds the character U+0141, which Windows-1252 has no byte for",
        "strings[2]: holds a zero character, which would end the string early",
        "strings[3]: holds the character U+1F680, which Windows-1252 has no byte for"}},
      {R"({"kind": "targets", "records": [{"place": 1, "airfield": 0}]})",
       {"records: has 1 entries; it must have 302"}}};
  for (const auto& [document, problems] : cases) expect_refused(document, problems);
}

TEST(BuildRefusal, FilesThatCannotBeReadOrWrittenStopWithStatus2) {
  const TempDir dir;
  write_bytes(dir / "out.dat", {'o', 'l', 'd'});
  std::ofstream(dir / "cut.json") << campaign_json().dump(2).substr(0, 500);
  const ToolRun cut = run_zav({"build", "cut.json", "-o", "out.dat"}, &dir);
  EXPECT_EQ(cut.status, 2);
  EXPECT_TRUE(cut.err.starts_with("cut.json: is not valid JSON: parse error at line ")) << cut.err;
  EXPECT_NE(cut.err.find("unexpected end of input"), std::string::npos) << cut.err;
  EXPECT_EQ(read_bytes(dir / "out.dat"), (Bytes{'o', 'l', 'd'}));

  const ToolRun missing = run_zav({"build", "none.json", "-o", "out.dat"}, &dir);
  EXPECT_EQ(missing.status, 2);
  EXPECT_EQ(missing.err, "none.json: cannot be opened: No such file or directory\n");

  std::ofstream(dir / "good.json") << campaign_json().dump();
  const ToolRun no_folder = run_zav({"build", "good.json", "-o", "no/camp.dat"}, &dir);
  EXPECT_EQ(no_folder.status, 2);
  EXPECT_TRUE(no_folder.err.starts_with("no/camp.dat: cannot be written")) << no_folder.err;
}

}  // namespace
}  // namespace zav::testing
