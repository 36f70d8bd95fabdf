// Input as a hostile user would give it: nothing crashes, hangs, runs out of memory or is cut
// off silently. Every run is bounded in time (kToolSecondsAtMost), so a runaway read fails.
#include "tool_test.h"

namespace zav::testing {
namespace {

const std::string kStdin = "(standard input)";

// Builds `document` from standard input into a folder of its own; expects `status` and `err`
// and the folder left empty.
void expect_build_refused(const std::string& document, int status, const std::string& err,
                          const Redirects& redirects = {}) {
  const TempDir dir;
  const ToolRun run = run_zav({"build", "-", "-o", "out.dat"}, &dir, document, redirects);
  EXPECT_EQ(run.status, status);
  EXPECT_EQ(run.err.substr(0, 2000), err);
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

std::string one_problem(const std::string& problem) {
  return kStdin + ": " + problem + "\nout.dat: nothing written; " + kStdin + " has 1 problem\n";
}

// A file whose length is `size`, holding `start` and then nothing but a hole.
void write_sparse(const std::filesystem::path& path, const Bytes& start, std::uintmax_t size) {
  write_bytes(path, start);
  std::filesystem::resize_file(path, size);
}

TEST(HostileInput, NumbersThatFitNoFieldAreProblemsAtTheirPath) {
  const std::string fits_none = " does not fit any field (none is wider than 16 bits)";
  expect_build_refused("1e400", 1, one_problem("(top level): 1e400" + fits_none));
  expect_build_refused(R"({"kind": "mission", "fighters": {"count": -1e400}})", 1,
                       one_problem("fighters.count: -1e400" + fits_none));
  expect_build_refused(
      "[0, " + std::string(400, '9') + "]", 1,
      one_problem("[1]: " + std::string(40, '9') + "... (400 characters)" + fits_none));

  // Too large for a 64-bit integer, so read as a fraction; still a number that does not fit.
  const TempDir dir;
  write_bytes(dir / "misn01.dat", Bytes(60, 0));
  Json mission = dump_json(dir / "misn01.dat");
  mission["attack"]["chance"][7] = 1e20;
  expect_build_refused(mission.dump(), 1,
                       one_problem("attack.chance[7]: 1e+20 does not fit a byte (0 to 255)"));
}

TEST(HostileInput, HugeOrDeepDocumentsAreRefusedWithoutRunningAway) {
  std::string first_32_levels;
  for (int level = 0; level < 32; ++level) first_32_levels += "[0]";
  const std::string depth(100000, '[');
  expect_build_refused(
      depth + std::string(depth.size(), ']'), 1,
      one_problem(first_32_levels + ": nests deeper than 32 levels, far deeper than any data "
                                    "file's form"));

  std::string members = R"({"kind": "mission")";
  for (int i = 0; i < 300000; ++i) members += ", \"m" + std::to_string(i) + "\": 0";
  expect_build_refused(members + "}", 1,
                       one_problem("(top level): has more than 64 members, far more than any "
                                   "record of a data file"));

  const std::string too_large =
      kStdin + ": is larger than 4 MiB, far larger than the JSON form of any data file\n";
  expect_build_refused(std::string(5 << 20, ' ') + "{}", 2, too_large);
#ifndef _WIN32
  expect_build_refused("", 2, too_large, {.input = "/dev/zero", .output = {}});
#endif
}

TEST(HostileInput, FilesAreReadOnlyAsFarAsTheirFormatGoes) {
  const TempDir dir;
  const CampaignImage campaign = encode_campaign(clean_campaign());
  const std::vector<std::pair<std::string, Bytes>> read_from_start = {
      {"camp02.dat", Bytes(campaign.begin(), campaign.end())},
      {"misn02.dat", Bytes(60, 3)},
      {"targets.dat", Bytes(9664, 1)}};
  std::filesystem::create_directory(dir / "exact");
  for (const auto& [name, start] : read_from_start) {
    write_bytes(dir / "exact" / name, start);
    write_sparse(dir / name, start, kHugeFileSize);
    EXPECT_EQ(dump_json(dir / name), dump_json(dir / "exact" / name)) << name;
  }
  const std::vector<std::pair<std::string, std::string>> refused = {
      {"sq02.dat",
       "is longer than 3100 bytes, the most a squadron file holds (25 squadrons of 124 bytes)"},
      {"names.str", "is larger than 1 MiB, far larger than any string file"}};
  for (const auto& [name, reason] : refused) {
    write_sparse(dir / name, Bytes(26 * 124, 0), kHugeFileSize);
    const ToolRun run = run_zav({"dump", name}, &dir);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, name + ": " + reason + "\n");
  }
}

TEST(HostileInput, StandardOutputThatCannotBeWrittenGivesStatus2) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows has no device that is always full, as /dev/full is";
#else
  const TempDir dir;
  write_campaign(dir / "camp01.dat", clean_campaign());
  Campaign other = clean_campaign();
  other.setup.num_phases = 26;
  write_campaign(dir / "camp02.dat", other);
  const std::vector<Lines> writers = {{"dump", "camp01.dat"},
                                      {"check", "camp02.dat"},
                                      {"diff", "camp01.dat", "camp02.dat"},
                                      {"--help"}};  // --version prints as --help does
  for (const Lines& args : writers) {
    const ToolRun run = run_zav(args, &dir, "", {.input = {}, .output = "/dev/full"});
    EXPECT_EQ(run.status, 2) << args[0];
    EXPECT_EQ(run.err, "(standard output): cannot be written: No space left on device\n");
  }
#endif
}

}  // namespace
}  // namespace zav::testing
