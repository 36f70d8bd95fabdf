// The command line itself: help, version, and the exit status of a wrong command line.
#include <gtest/gtest.h>

#include "run_zav.h"

namespace zav {
namespace {

using testing::run_zav;

bool mentions(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

TEST(CommandLine, HelpAndVersionAnswerWithStatus0) {
  const auto help = run_zav({"--help"});
  EXPECT_EQ(help.status, 0);
  for (const char* command : {"dump", "build", "check", "diff"}) {
    EXPECT_TRUE(mentions(help.out, command)) << command;
    const auto command_help = run_zav({command, "--help"});
    EXPECT_EQ(command_help.status, 0) << command;
    EXPECT_TRUE(mentions(command_help.out, std::string("zav ") + command)) << command_help.out;
  }
  EXPECT_TRUE(mentions(run_zav({"dump", "--help"}).out, "--kind"));
  EXPECT_TRUE(mentions(run_zav({"build", "--help"}).out, "--output"));

  const auto version = run_zav({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_TRUE(version.out.starts_with("zav ")) << version.out;
}

TEST(CommandLine, WrongCommandLinesGiveStatus2) {
  for (const std::vector<std::string>& args :
       std::vector<std::vector<std::string>>{{},
                                             {"show", "camp01.dat"},
                                             {"dump"},
                                             {"dump", "camp01.dat", "--kind", "campain"},
                                             {"build", "camp01.json"},
                                             {"diff", "camp01.dat"},
                                             {"check"}}) {
    const auto run = run_zav(args);
    EXPECT_EQ(run.status, 2) << ::testing::PrintToString(args);
    EXPECT_EQ(run.out, "");
    EXPECT_FALSE(run.err.empty());
  }

  const auto base_campaign = run_zav({"dump", "camp01.dat", "--base"});
  EXPECT_EQ(base_campaign.status, 2);
  EXPECT_EQ(base_campaign.err,
            "camp01.dat: is read as a campaign file, but --base applies to squadron files only\n");
}

}  // namespace
}  // namespace zav
