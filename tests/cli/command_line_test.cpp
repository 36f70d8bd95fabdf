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

}  // namespace
}  // namespace zav::testing
