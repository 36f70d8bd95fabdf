#pragma once

#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/wait.h>
#endif

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "formats/campaign_file.h"
#include "formats/path_text.h"
#include "formats/squadron_file.h"
#include "temp_dir.h"
#include "windows_process.h"

// What the tests of the zav tool share: the real executable, run as a user's shell would run
// it, and the files it is given, made here and written by the project's own writers.
namespace zav::testing {

using Json = nlohmann::ordered_json;
using Lines = std::vector<std::string>;

struct ToolRun {
  int status = -1;  // exit status; -1 when the tool did not exit normally (a crash)
  std::string out;
  std::string err;

  Lines out_lines() const {
    Lines lines;
    std::istringstream text(out);
    for (std::string line; std::getline(text, line);) lines.push_back(line);
    return lines;
  }
};

inline std::string shell_quoted(const std::string& word) {
  std::string quoted = "'";
  for (char c : word) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

// Where a run's standard input comes from and its standard output goes, when not the text
// given and the text captured.
struct Redirects {
  std::filesystem::path input;   // e.g. /dev/zero
  std::filesystem::path output;  // e.g. /dev/full; ToolRun::out then stays empty
};

// Every run is bounded in time, far above the milliseconds it takes, so that a hang or a
// runaway read fails the test instead of stalling it.
inline constexpr int kToolSecondsAtMost = 20;

// Runs zav in `folder` (here when null), with `input` on its standard input. In a sanitizer
// build a fault the sanitizers catch exits with 86, which no test expects, instead of their
// usual 1, which `check`, `diff` and `build` give for their own findings.
inline ToolRun run_zav(const Lines& args, const TempDir* folder = nullptr,
                       const std::string& input = "", const Redirects& redirects = {}) {
  const TempDir streams;
  write_bytes(streams / "in", Bytes(input.begin(), input.end()));
  const std::filesystem::path in = redirects.input.empty() ? streams / "in" : redirects.input;
  const std::filesystem::path out = redirects.output.empty() ? streams / "out" : redirects.output;
#ifdef _WIN32
  const int status = run_windows_program(ZAV_TOOL, args, folder ? folder->path() : "", in, out,
                                         streams / "err", kToolSecondsAtMost);
#else
  std::string command = folder ? "cd " + shell_quoted(folder->path().string()) + " && " : "";
  command += "ASAN_OPTIONS=exitcode=86 UBSAN_OPTIONS=exitcode=86 timeout -s KILL " +
             std::to_string(kToolSecondsAtMost) + " " + shell_quoted(ZAV_TOOL);
  for (const std::string& arg : args) command += " " + shell_quoted(arg);
  command += " <" + shell_quoted(in.string()) + " >" + shell_quoted(out.string()) + " 2>" +
             shell_quoted((streams / "err").string());
  const int raw = std::system(command.c_str());
  const int status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
#endif
  const Bytes out_bytes = read_bytes(streams / "out");
  const Bytes err = read_bytes(streams / "err");
  return {status, {out_bytes.begin(), out_bytes.end()}, {err.begin(), err.end()}};
}

// `zav dump` of `file`, parsed; the test fails when the dump does not succeed.
inline Json dump_json(const std::filesystem::path& file, Lines args = {}) {
  args.insert(args.begin(), {"dump", path_to_utf8(file)});
  const ToolRun run = run_zav(args);
  EXPECT_EQ(run.status, 0) << run.err;
  return Json::parse(run.out);
}

// The same bytes on every run for a given seed.
inline Bytes random_bytes(std::size_t size, unsigned seed) {
  std::mt19937 engine(seed);
  std::uniform_int_distribution<int> byte(0, 255);
  Bytes bytes(size);
  for (std::uint8_t& b : bytes) b = static_cast<std::uint8_t>(byte(engine));
  return bytes;
}

inline std::filesystem::path write_campaign(const std::filesystem::path& path, const Campaign& c) {
  const CampaignImage image = encode_campaign(c);
  write_bytes(path, Bytes(image.begin(), image.end()));
  return path;
}

inline std::filesystem::path write_squadrons(const std::filesystem::path& path,
                                             const std::vector<Squadron>& squadrons) {
  SquadronTable table;
  table.count = static_cast<int>(squadrons.size());
  std::copy(squadrons.begin(), squadrons.end(), table.slots.begin());
  write_bytes(path, encode_squadrons(table));
  return path;
}

// A campaign in which `zav check` has nothing to find: two phases, two plane types, two special
// events and one special mission in use, with values at the ends of what the editors offer
// (0, the default, is the other end of most).
inline Campaign clean_campaign() {
  Campaign c;
  c.setup = {.start_year = 1943,
             .start_day = 30,
             .brief_language = 2,
             .camp_type = 2,
             .attack_base = 307,
             .num_sqns = 25,
             .num_spev = 2,
             .num_spm = 1,
             .num_phases = 2,
             .phase_length = 7,
             .days_between_missions = 255,
             .num_plane_types = 2};
  c.phases[0].win_condition = 4;
  c.phases[0].us_aircraft = 2000;
  c.phases[0].target_priority = {0, 22, 23, 41, 255, 233, 72, 57};
  c.phases[1].british_production = 255;
  c.phases[1].lose_condition = 1;  // "Date": the parameter counts days of the phase
  c.phases[1].lose_param = 7;
  c.plane_types[0] = {.plane_slot = 29,
                      .start_phase = 0,
                      .end_phase = 25,
                      .replacement = 255,
                      .start_points = 5000};
  c.plane_types[1] = {.plane_slot = 255, .start_phase = 3, .end_phase = 4, .replacement = 0};
  c.german_forces.quality = 2;
  c.special_events[1] = {.type = 21, .trigger = 7};
  SpecialMission& m = c.special_missions[0];
  m.trigger = 9;
  m.mission_type = 4;
  m.num_targets = 2;
  m.target_priority = 5;
  m.targets = {307, -1, 999, 999, 999, 999, 999, 999};  // entries beyond num_targets are unused
  m.hour = 23;
  m.minute = 59;
  m.weather = 4;
  m.brief_view = {-3, -2, -1, 0, 308, 1, 2, 3};
  m.standard_speech = {1, 0, 1, 0, 1, 0, 1, 0};
  m.success_event = 2;
  m.fail_event = SpecialMission::kNoEvent;
  m.formation = -2;
  m.altitude = 12000;
  c.v1_speech.v1_ground_speech = 308;
  return c;
}

// A squadron in which `zav check` has nothing to find.
inline Squadron clean_squadron() {
  Squadron s;
  s.start_year = 1947;
  s.start_month = 11;
  s.home_base = kForwardBase;
  s.aircraft_type = 29;
  s.num_aircraft = 30;
  s.num_pilots = 30;
  s.commencing_phase = 25;
  s.squadrons_in_group = 4;
  s.num_moves = 1;
  s.moves[0] = {.probability = 50, .phase = 3, .destination = 161};
  s.num_changes = 1;
  s.changes[0] = {.probability = 10, .phase = 4, .aircraft_type = 7, .reserved = 200};
  s.special_missions[31] = 1;
  s.weapons[7] = {.weapon = 31, .phase = 25, .number = 600};
  return s;
}

}  // namespace zav::testing
