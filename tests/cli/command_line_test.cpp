// The command line itself: help, version, and the exit status of a wrong command line.
#include "tool_test.h"

namespace zav::testing {
namespace {

TEST(CommandLine, HelpAndVersionAnswerWithStatus0) {
  const ToolRun help = run_zav({"--help"});
  EXPECT_EQ(help.status, 0);
  for (const std::string command : {"dump", "build", "check", "diff"}) {
    EXPECT_NE(help.out.find(command), std::string::npos) << command;
    const ToolRun command_help = run_zav({command, "--help"});
    EXPECT_EQ(command_help.status, 0) << command;
    EXPECT_NE(command_help.out.find("zav " + command), std::string::npos) << command_help.out;
  }
  const ToolRun version = run_zav({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_TRUE(version.out.starts_with("zav ")) << version.out;
}

TEST(CommandLine, WrongCommandLinesGiveStatus2AndASentenceOnStandardError) {
  // An empty sentence stands for the argument parser's own, which only has to be there.
  const std::vector<std::pair<Lines, std::string>> cases = {
      {{}, ""},
      {{"show", "camp01.dat"}, ""},
      {{"dump", "camp01.dat", "--kind", "campain"}, ""},
      {{"check"}, ""},
      {{"dump", "camp01.dat", "--base"},
       "camp01.dat: is read as a campaign file, but --base applies to squadron files only\n"},
      {{"dump", "mission.bin"},
       "mission.bin: has a name that tells no kind of file; name it with --kind (campaign, "
       "squadrons, mission, strings or targets)\n"}};
  for (const auto& [args, sentence] : cases) {
    const ToolRun run = run_zav(args);
    EXPECT_EQ(run.status, 2) << ::testing::PrintToString(args);
    EXPECT_EQ(run.out, "");
    EXPECT_TRUE(sentence.empty() ? !run.err.empty() : run.err == sentence) << run.err;
  }
}

// Names outside any ANSI code page, which a Windows program's narrow command line cannot carry.
TEST(CommandLine, FileNamesInAnyScriptAreReadWrittenAndNamedAsGiven) {
  const TempDir dir;
  const std::filesystem::path folder = dir.path() / path_from_utf8("Kämpfe/Кампании/キャンペーン");
  std::filesystem::create_directories(folder);
  const auto campaign = write_campaign(folder / path_from_utf8("camp-戦い.dat"), clean_campaign());
  const ToolRun dump = run_zav({"dump", path_to_utf8(campaign)});
  ASSERT_EQ(dump.status, 0) << dump.err;
  write_bytes(folder / path_from_utf8("Сражение.json"), Bytes(dump.out.begin(), dump.out.end()));
  const ToolRun built_here =
      run_zav({"build", path_to_utf8(folder / path_from_utf8("Сражение.json")), "-o",
               path_to_utf8(folder / path_from_utf8("camp-Schlacht.dat"))});
  EXPECT_EQ(built_here.status, 0) << built_here.err;
  EXPECT_EQ(read_bytes(folder / path_from_utf8("camp-Schlacht.dat")), read_bytes(campaign));

  const std::string missing = path_to_utf8(folder / path_from_utf8("camp-Битва.dat"));
  const ToolRun refused = run_zav({"dump", missing});
  EXPECT_EQ(refused.status, 2);
  EXPECT_TRUE(refused.err.starts_with(missing + ": cannot be opened")) << refused.err;
}

}  // namespace
}  // namespace zav::testing
