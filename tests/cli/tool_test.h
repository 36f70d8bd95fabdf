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
#include "problem_records.h"
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

}  // namespace zav::testing
