// The sample game folder that the build makes from samples/*.json: every file is there, holds
// what its source says, is clean under `zav check`, and comes back byte for byte from its dump.
#include <fstream>
#include <set>

#include "tool_test.h"

namespace zav::testing {
namespace {

const std::filesystem::path kGame = ZAV_SAMPLE_GAME;
const std::filesystem::path kSources = ZAV_SAMPLE_SOURCES;

const Lines kSampleFiles = {"weapons.str", "planes.str", "places.str", "targets.dat",
                            "sqbasic.dat", "sq01.dat",   "sq02.dat",   "misn01.dat",
                            "misn02.dat",  "misn03.dat", "camp01.dat", "camp02.dat"};

// The squadron editor reads sqbasic.dat as the base file, so the tool is told to as well.
Lines with_read_flags(Lines args, const std::string& file) {
  if (file == "sqbasic.dat") args.push_back("--base");
  return args;
}

// The distinct values of `member` over the entries of `array`.
std::set<int> distinct(const Json& array, const std::string& member) {
  std::set<int> values;
  for (const Json& entry : array) values.insert(entry[member].get<int>());
  return values;
}

Json source_of(const std::string& file) {
  std::ifstream in(kSources / (std::filesystem::path(file).stem().string() + ".json"));
  return Json::parse(in);
}

TEST(Samples, EveryFileIsBuiltFromItsSourceCleanAndComesBackFromItsDump) {
  const TempDir dir;
  for (const std::string& file : kSampleFiles) {
    SCOPED_TRACE(file);
    const std::filesystem::path sample = kGame / file;
    ASSERT_TRUE(std::filesystem::is_regular_file(sample));
    const ToolRun checked = run_zav(with_read_flags({"check", sample.string()}, file));
    EXPECT_EQ(checked.status, 0) << checked.out << checked.err;

    const Json dumped = dump_json(sample, with_read_flags({}, file));
    EXPECT_EQ(dumped, source_of(file));
    const ToolRun built = run_zav(
        with_read_flags({"build", "-", "-o", (dir / file).string()}, file), nullptr, dumped.dump());
    EXPECT_EQ(built.status, 0) << built.err;
    EXPECT_EQ(read_bytes(dir / file), read_bytes(sample));
  }
}

// The name files load in the editor, which takes only their right counts (ui/samples_test.cpp).
TEST(Samples, FolderHoldsAFullGame) {
  // 162 airfields, numbered 1 to 162 once each, each at a place of its own.
  const Json targets = dump_json(kGame / "targets.dat");
  Json airfields = Json::array();
  for (const Json& record : targets["records"]) {
    if (record["airfield"] != 0) airfields.push_back(record);
  }
  ASSERT_EQ(airfields.size(), 162u);
  const std::set<int> numbers = distinct(airfields, "airfield");
  EXPECT_EQ(numbers.size(), 162u);
  EXPECT_EQ(*numbers.begin(), 1);
  EXPECT_EQ(*numbers.rbegin(), 162);
  EXPECT_EQ(distinct(airfields, "place").size(), 162u);

  // The full campaign uses every entry, every phase condition, event type and trigger but one, and
  // every special mission trigger, briefing option and formation.
  const Json c = dump_json(kGame / "camp01.dat");
  EXPECT_EQ(c["setup"]["num_phases"], 25);
  EXPECT_EQ(c["setup"]["num_plane_types"], 30);
  EXPECT_EQ(c["setup"]["num_spev"], 32);
  EXPECT_EQ(c["setup"]["num_spm"], 32);
  std::set<int> views;
  for (const Json& m : c["special_missions"]) {
    for (const Json& view : m["brief_view"]) views.insert(std::min(view.get<int>(), 0));
  }
  EXPECT_EQ(distinct(c["phases"], "win_condition").size(), 5u);
  EXPECT_EQ(distinct(c["phases"], "lose_condition").size(), 5u);
  EXPECT_EQ(distinct(c["special_events"], "type").size(), 22u);
  // Every trigger but the year's, whose parameter no byte holds.
  const std::set<int> triggers = distinct(c["special_events"], "trigger");
  EXPECT_EQ(triggers.size(), 7u);
  EXPECT_FALSE(triggers.contains(3));
  EXPECT_EQ(distinct(c["special_missions"], "trigger").size(), 10u);
  EXPECT_EQ(views, (std::set<int>{-3, -2, -1, 0}));
  EXPECT_EQ(distinct(c["special_missions"], "formation"),
            (std::set<int>{-2, -1, 1940, 1943, 1944, 1945}));
}

}  // namespace
}  // namespace zav::testing
