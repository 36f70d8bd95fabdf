// Names in zav's text: `diff` and `show` with and without a game folder's name files, and
// `show` as git's text converter.
#include <fstream>

#include "model/name_tables.h"
#include "string_file_bytes.h"
#include "tool_test.h"

namespace zav::testing {
namespace {

const std::filesystem::path kGame = ZAV_SAMPLE_GAME;

std::string sample_name(const char* table, int index) {
  std::ifstream in(std::filesystem::path(ZAV_SAMPLE_SOURCES) / table);
  return Json::parse(in)["strings"][index].get<std::string>();
}

TEST(Names, DiffAndShowNameValuesFromTheGameFolderOrTheBuiltInNames) {
  const TempDir dir;
  Squadron before = clean_squadron();
  before.aircraft_type = 4;
  before.start_month = 1;
  Squadron after = before;
  after.aircraft_type = 5;
  after.start_month = 2;
  after.weapons[7].weapon = 3;
  write_squadrons(dir / "sq1.dat", {before});
  write_squadrons(dir / "sq2.dat", {after});

  const std::string game = path_to_utf8(kGame);
  const ToolRun named = run_zav({"diff", "--names", game, "sq1.dat", "sq2.dat"}, &dir);
  EXPECT_EQ(named.status, 1) << named.err;
  const std::string weapon = sample_name("weapons.json", 3);
  EXPECT_EQ(named.out_lines(),
            (Lines{"squadrons[0].start_month: 1 (February) -> 2 (March)",
                   "squadrons[0].aircraft_type: 4 (" + sample_name("planes.json", 4) + ") -> 5 (" +
                       sample_name("planes.json", 5) + ")",
                   "squadrons[0].weapons[7].weapon: 31 (" + sample_name("weapons.json", 31) +
                       ") -> 3 (" + weapon + ")"}));

  // Without a folder the plane table is empty, and the numbers stand alone; the weapons and
  // the months have names built in.
  const ToolRun plain = run_zav({"diff", "sq1.dat", "sq2.dat"}, &dir);
  const std::string built_in = NameTables::default_weapon_names()[3];
  EXPECT_EQ(plain.out_lines().at(1), "squadrons[0].aircraft_type: 4 -> 5");
  EXPECT_EQ(plain.out_lines().at(2), "squadrons[0].weapons[7].weapon: 31 (" +
                                         NameTables::default_weapon_names()[31] + ") -> 3 (" +
                                         built_in + ")");

  const ToolRun shown = run_zav({"show", "--names", game, "sq2.dat"}, &dir);
  EXPECT_EQ(shown.status, 0) << shown.err;
  const Lines lines = shown.out_lines();
  EXPECT_EQ(lines.front(), "kind: \"squadrons\"");
  EXPECT_NE(std::find(lines.begin(), lines.end(), "squadrons[0].home_base: 162 (FORWARD BASE)"),
            lines.end());
  EXPECT_NE(std::find(lines.begin(), lines.end(), "squadrons[0].start_day: 0 (1)"), lines.end());
}

TEST(Names, AMissingOrRefusedNameFileStopsTheCommandBeforeItPrintsAnything) {
  const TempDir dir;
  write_squadrons(dir / "sq1.dat", {clean_squadron()});
  const TempDir game;
  for (const char* file : {"weapons.str", "planes.str", "targets.dat"}) {
    std::filesystem::copy_file(kGame / file, game / file);
  }
  for (const Lines& command : {Lines{"show", "sq1.dat"}, Lines{"diff", "sq1.dat", "sq1.dat"}}) {
    Lines args = command;
    args.insert(args.begin() + 1, {"--names", path_to_utf8(game.path())});
    const ToolRun missing = run_zav(args, &dir);
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.out, "");
    EXPECT_TRUE(missing.err.find(path_to_utf8(game / "places.str")) != std::string::npos)
        << missing.err;
  }

  write_bytes(game / "places.str", string_file_bytes(numbered("place ", 5)));
  const ToolRun refused = run_zav({"show", "--names", path_to_utf8(game.path()), "sq1.dat"}, &dir);
  EXPECT_EQ(refused.status, 2);
  EXPECT_EQ(refused.out, "");
  EXPECT_TRUE(refused.err.starts_with(path_to_utf8(game / "places.str") + ": Invalid File."))
      << refused.err;
}

#ifndef _WIN32
// Runs `command` in `folder` by the shell and returns what it printed.
std::string shell_output(const TempDir& folder, const std::string& command) {
  const std::string run = "cd " + shell_quoted(folder.path().string()) + " && " + command + " >" +
                          shell_quoted((folder / "output.txt").string()) + " 2>&1";
  EXPECT_EQ(std::system(run.c_str()), 0) << command;
  const Bytes out = read_bytes(folder / "output.txt");
  std::filesystem::remove(folder / "output.txt");
  return {out.begin(), out.end()};
}

TEST(Names, GitDiffOfACampaignNamesTheChangedFieldThroughShow) {
  const TempDir repo;
  shell_output(repo,
               "git init -q && git config user.email editor@example.com && "
               "git config user.name Editor && echo '*.dat diff=zav' > .gitattributes && "
               "git config diff.zav.textconv " +
                   shell_quoted(shell_quoted(ZAV_TOOL) + " show"));
  Campaign campaign = clean_campaign();
  write_campaign(repo / "camp01.dat", campaign);
  shell_output(repo, "git add . && git commit -qm first");
  campaign.setup.start_month = 2;
  write_campaign(repo / "camp01.dat", campaign);
  shell_output(repo, "git commit -qam second");

  const std::string diff = shell_output(repo, "git log -p -1 --format=");
  EXPECT_TRUE(diff.find("-setup.start_month: 0 (January)\n+setup.start_month: 2 (March)\n") !=
              std::string::npos)
      << diff;
}
#endif

}  // namespace
}  // namespace zav::testing
